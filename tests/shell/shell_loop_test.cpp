// The message loop inside a whole run: a step only when no message waits, Escape and close end
// it the same way, other keys do nothing, and a fatal error in a scene releases nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell_fixture.h"

using testing_support::closeMessage;
using testing_support::keyMessage;
using testing_support::platformLog;
using testing_support::sizeMessage;

namespace {

long count(const Calls& calls, const std::string& call) {
  return std::count(calls.begin(), calls.end(), call);
}

}  // namespace

TEST_F(ShellTest, EscapeAndCloseEndTheDemoTheSameWay) {
  for (const platform::WindowMessage& quit : {keyMessage(platform::kKeyEscape), closeMessage()}) {
    platformLog() = testing_support::PlatformLog{};
    fake.messages = {std::nullopt, quit, std::nullopt};
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(callsFrom("showWindow"),
              (Calls{"showWindow", "sceneInit", "streamPlay:-1", "restoreDisplay", "cursor:show",
                     "releaseCurrent", "deleteContext", "releaseDC", "destroyWindow"}));
  }
}

TEST_F(ShellTest, RunsOneStepPerIdlePassAndIgnoresOtherKeys) {
  fake.messages = {std::nullopt,
                   keyMessage('a'),
                   std::nullopt,
                   keyMessage(13),
                   std::nullopt,
                   std::nullopt,
                   keyMessage(platform::kKeyEscape),
                   std::nullopt};
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(count(platformLog().calls, "sceneInit"), 1);
  EXPECT_EQ(count(platformLog().calls, "sceneFrame"), 3);
  EXPECT_FALSE(called("peek:exhausted"));
}

TEST_F(ShellTest, MessagesWaitingBehindAQuitAreHandledWithoutAnotherStep) {
  fake.messages = {std::nullopt, keyMessage(platform::kKeyEscape), sizeMessage(640, 480),
                   std::nullopt, std::nullopt};
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(count(platformLog().calls, "sceneFrame"), 0);
  EXPECT_EQ(fake.messages.size(), 1u) << "the loop left at the first idle pass after the quit";
}

TEST_F(ShellTest, AFatalErrorInASceneReleasesNothing) {
  platform::current().streamPlay = [](int, platform::SoundStream*) { return -1; };
  fake.messages = {std::nullopt, std::nullopt};
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(callsFrom("box:ERROR!:sound init error"),
            (Calls{"box:ERROR!:sound init error", "exit:1"}));
  EXPECT_FALSE(called("restoreDisplay"));
  EXPECT_FALSE(called("destroyWindow"));
}
