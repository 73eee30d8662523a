// The window procedure's table: what each message changes on the clock and whether it asks the
// loop to quit.
#include <gtest/gtest.h>

#include <string>

#include "core/demo_clock.h"
#include "recording_platform.h"
#include "shell/window_proc.h"

namespace {

platform::WindowMessage message(platform::MessageKind kind, int a = 0, int b = 0) {
  platform::WindowMessage m;
  m.kind = kind;
  m.width = a;
  m.height = b;
  m.minimised = a;
  m.key = a;
  return m;
}

}  // namespace

TEST(WindowProc, FollowsTheMessageTable) {
  using platform::MessageKind;
  struct Case {
    const char* what;
    platform::WindowMessage message;
    bool quits;
    int width, height, active;
  };
  const Case cases[] = {
      {"escape", message(MessageKind::KeyDown, platform::kKeyEscape), true, 800, 600, 1},
      {"another key", message(MessageKind::KeyDown, 'q'), false, 800, 600, 1},
      {"close", message(MessageKind::Close), true, 800, 600, 1},
      {"resize", message(MessageKind::Size, 792, 573), false, 792, 573, 1},
      {"minimised size", message(MessageKind::Size, 0, 0), false, 800, 600, 1},
      {"minimised", message(MessageKind::Activate, 1), false, 800, 600, 0},
      {"activated", message(MessageKind::Activate, 0), false, 800, 600, 1},
  };
  for (const Case& c : cases) {
    testing_support::ScopedPlatform platform;
    DemoClock clock;
    demoClock = &clock;
    clock.fullscreen = 0;  // a window, whose picture follows its client area
    clock.active = c.what == std::string("activated") ? 0 : 1;
    quitRequest = QuitRequest{};
    EXPECT_EQ(windowProc(nullptr, c.message), 0) << c.what;
    EXPECT_EQ(quitRequest.posted, c.quits) << c.what;
    EXPECT_EQ(quitRequest.exitCode, 0) << c.what;
    EXPECT_EQ(clock.width, c.width) << c.what;
    EXPECT_EQ(clock.height, c.height) << c.what;
    EXPECT_EQ(clock.active, c.active) << c.what;
    demoClock = nullptr;
  }
}
