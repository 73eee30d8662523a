// The start-up steps in order, every failure of the start-up table with its box and what was
// released before it, the Yes/No branch of the display switch, and the exit status of each end.
#include <gtest/gtest.h>

#include "shell_fixture.h"

using testing_support::FakeStep;
using testing_support::keyMessage;
using testing_support::platformLog;
using testing_support::RecordedBox;

namespace {

const char* const kModeQuestion =
    "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
    "Instead?";

void expectBox(const RecordedBox& box, const char* text, const char* caption,
               platform::BoxIcon icon) {
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
  EXPECT_EQ(box.icon, icon);
}

}  // namespace

TEST_F(ShellTest, RunsTheStartUpStepsInOrderAndShutsDownAfterEscape) {
  fake.messages = {std::nullopt, std::nullopt, keyMessage(platform::kKeyEscape), std::nullopt};
  EXPECT_EQ(run(), 0);
  Calls expected = {"soundInit:44100:32:0",
                    "streamOpenMpeg:tamsirel.mp3:43",
                    "scenePrefetch",
                    "dialog",
                    "initWindowing",
                    "switchDisplayMode:800x600x16",
                    "cursor:hide",
                    kFullscreenWindow,
                    "getDC",
                    "choosePixelFormat:16/16",
                    "setPixelFormat:1",
                    "createContext",
                    "makeCurrent",
                    "swapInterval:1",
                    "showWindow",
                    "sceneInit",
                    "streamPlay:-1",
                    "sceneFrame"};
  expected.insert(expected.end(), kFullscreenShutdown.begin(), kFullscreenShutdown.end());
  EXPECT_EQ(platformLog().calls, expected);
  EXPECT_TRUE(platformLog().boxes.empty());
}

// A driver without vertical sync: the frames go out unpaced, and nothing else differs.
TEST_F(ShellTest, ARefusedSwapIntervalLeavesTheRunAsItWas) {
  const auto runToEscape = [&] {
    platformLog() = testing_support::PlatformLog{};
    fake.messages = {std::nullopt, keyMessage(platform::kKeyEscape), std::nullopt};
    EXPECT_EQ(run(), 0);
    return platformLog().calls;
  };
  const Calls synced = runToEscape();
  fake.fail(FakeStep::SwapInterval);
  EXPECT_EQ(runToEscape(), synced);
  EXPECT_TRUE(platformLog().boxes.empty());
}

TEST_F(ShellTest, CancelInTheDialogEndsWithZeroBeforeAnyWindow) {
  scriptedDialog.result = 0;
  scriptedDialog.cancelled = 1;
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(platformLog().calls, (Calls{"soundInit:44100:32:0", "streamOpenMpeg:tamsirel.mp3:43",
                                        "scenePrefetch", "dialog"}));
}

TEST_F(ShellTest, AMissingMusicFileEndsTheProgramBeforeTheDialog) {
  fake.fail(FakeStep::OpenStream, platform::kSoundFileNotFound);
  EXPECT_EQ(run(), 1);
  ASSERT_EQ(platformLog().boxes.size(), 1u);
  expectBox(platformLog().boxes[0], "File not found", "ERROR!", platform::BoxIcon::Stop);
  EXPECT_FALSE(called("dialog"));
}

TEST_F(ShellTest, TakesTheSizeOnlyFromADialogThatEndedWithOk) {
  struct Case {
    int result;
    const char* window;
  };
  const Case cases[] = {
      {1, "createWindow:pelorimo::brintal:640x480:windowed"},
      {0, "createWindow:pelorimo::brintal:800x600:windowed"},
  };
  for (const Case& c : cases) {
    platformLog() = testing_support::PlatformLog{};
    scriptedDialog.result = c.result;
    scriptedDialog.settings = {640, 480, 16, 0};
    fake.messages = {keyMessage(platform::kKeyEscape), std::nullopt};
    EXPECT_EQ(run(), 0);
    EXPECT_TRUE(called(c.window)) << "dialog result " << c.result;
    EXPECT_FALSE(called("switchDisplayMode:640x480x16")) << "a window needs no display change";
    EXPECT_FALSE(called("cursor:hide"));
    EXPECT_EQ(callsFrom("releaseCurrent"),
              (Calls{"releaseCurrent", "deleteContext", "releaseDC", "destroyWindow"}))
        << "the display mode is left alone";
  }
}

// The display refuses the mode at the switch, or, where the mode changes only as the fullscreen
// window is shown, at the show: that window and its context are given back before the question.
struct Refusal {
  FakeStep step;
  Calls beforeQuestion;  // from the switch to the question
};
const Refusal kRefusals[] = {
    {FakeStep::SwitchDisplayMode, {"switchDisplayMode:800x600x16"}},
    {FakeStep::ShowWindow,
     {"switchDisplayMode:800x600x16", "cursor:hide", kFullscreenWindow, "getDC",
      "choosePixelFormat:16/16", "setPixelFormat:1", "createContext", "makeCurrent",
      "swapInterval:1", "showWindow", "restoreDisplay", "cursor:show", "releaseCurrent",
      "deleteContext", "releaseDC", "destroyWindow"}},
};
const std::string kQuestionCall = std::string("box:Quor GL:") + kModeQuestion;

TEST_F(ShellTest, ARefusedModeAnsweredYesRunsInAWindowOfTheChosenSize) {
  for (const Refusal& r : kRefusals) {
    platformLog() = testing_support::PlatformLog{};
    fake.failing = {r.step};
    platformLog().boxAnswers = {platform::kAnswerYes};
    fake.messages = {keyMessage(platform::kKeyEscape), std::nullopt};
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(platformLog().boxes.size(), 1u);
    const RecordedBox& question = platformLog().boxes[0];
    EXPECT_EQ(question.text, kModeQuestion);
    EXPECT_EQ(question.caption, "Quor GL");
    EXPECT_EQ(question.buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(question.icon, platform::BoxIcon::Exclamation);
    Calls expected = r.beforeQuestion;
    expected.insert(expected.end(),
                    {kQuestionCall, "createWindow:pelorimo::brintal:800x600:windowed"});
    const Calls calls = callsFrom("switchDisplayMode:800x600x16");
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(Calls(calls.begin(), calls.begin() + expected.size()), expected);
    EXPECT_EQ(calls.back(), "destroyWindow") << "the window run leaves the display mode alone";
  }
}

TEST_F(ShellTest, ARefusedModeAnsweredNoClosesWithoutADemoWindow) {
  for (const Refusal& r : kRefusals) {
    platformLog() = testing_support::PlatformLog{};
    fake.failing = {r.step};
    platformLog().boxAnswers = {platform::kAnswerNo};
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(platformLog().boxes.size(), 2u);
    expectBox(platformLog().boxes[1], "Program Will Now Close.", "ERROR", platform::BoxIcon::Stop);
    Calls expected = r.beforeQuestion;
    expected.insert(expected.end(), {kQuestionCall, "box:ERROR:Program Will Now Close."});
    EXPECT_EQ(callsFrom("switchDisplayMode:800x600x16"), expected);
  }
}

TEST_F(ShellTest, EachWindowStepFailureShowsItsBoxAfterItsReleases) {
  struct Case {
    FakeStep failing;
    const char* text;
    Calls fromWindow;  // the calls from the window's creation to the end
  };
  const Case cases[] = {
      {FakeStep::CreateWindow,
       "Window Creation Error.",
       {kFullscreenWindow, "box:ERROR:Window Creation Error."}},
      {FakeStep::GetDeviceContext,
       "Can't Create A GL Device Context.",
       {kFullscreenWindow, "getDC", "restoreDisplay", "cursor:show", "destroyWindow",
        "box:ERROR:Can't Create A GL Device Context."}},
      {FakeStep::ChoosePixelFormat,
       "Can't Find A Suitable PixelFormat.",
       {kFullscreenWindow, "getDC", "choosePixelFormat:16/16", "restoreDisplay", "cursor:show",
        "releaseDC", "destroyWindow", "box:ERROR:Can't Find A Suitable PixelFormat."}},
      {FakeStep::SetPixelFormat,
       "Can't Set The PixelFormat.",
       {kFullscreenWindow, "getDC", "choosePixelFormat:16/16", "setPixelFormat:1", "restoreDisplay",
        "cursor:show", "releaseDC", "destroyWindow", "box:ERROR:Can't Set The PixelFormat."}},
      {FakeStep::CreateContext,
       "Can't Create A GL Rendering Context.",
       {kFullscreenWindow, "getDC", "choosePixelFormat:16/16", "setPixelFormat:1", "createContext",
        "restoreDisplay", "cursor:show", "releaseDC", "destroyWindow",
        "box:ERROR:Can't Create A GL Rendering Context."}},
      {FakeStep::MakeCurrent,
       "Can't Activate The GL Rendering Context.",
       {kFullscreenWindow, "getDC", "choosePixelFormat:16/16", "setPixelFormat:1", "createContext",
        "makeCurrent", "restoreDisplay", "cursor:show", "releaseDC", "destroyWindow",
        "box:ERROR:Can't Activate The GL Rendering Context."}},
  };
  for (const Case& c : cases) {
    platformLog() = testing_support::PlatformLog{};
    fake.failing = {c.failing};
    EXPECT_EQ(run(), 1) << c.text;
    EXPECT_EQ(callsFrom(kFullscreenWindow), c.fromWindow) << c.text;
    ASSERT_EQ(platformLog().boxes.size(), 1u) << c.text;
    expectBox(platformLog().boxes[0], c.text, "ERROR", platform::BoxIcon::Exclamation);
  }
}

TEST_F(ShellTest, AWindowClassFailureShowsItsBoxAndTouchesNothingElse) {
  fake.fail(FakeStep::InitWindowing);
  EXPECT_EQ(run(), 1);
  ASSERT_EQ(platformLog().boxes.size(), 1u);
  expectBox(platformLog().boxes[0], "Failed To Register The Window Class.", "ERROR",
            platform::BoxIcon::Exclamation);
  EXPECT_EQ(callsFrom("initWindowing"),
            (Calls{"initWindowing", "box:ERROR:Failed To Register The Window Class."}));
}
