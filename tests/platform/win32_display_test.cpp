// The Windows backend's fullscreen switch, asked through the shell as at start-up, against a
// scripted display. Wine takes any depth at a resolution its display has; Windows 8 and later
// refuse every depth under 32 bits to a program that declares them, and Windows 11 a mode the
// display does not list. The display calls are the backend's seam (display_calls.h); the
// question after a refusal is the recording platform's message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/demo_clock.h"
#include "platform/win32/display_calls.h"
#include "recording_platform.h"
#include "shell/display_switch.h"

namespace {

using platform::DisplayMode;
using testing_support::platformLog;

struct ScriptedDisplay {
  std::vector<DisplayMode> listed;
  int leastBits = 0;  // a listed mode under this depth is refused
  DisplayMode desktop{1024, 768, 32};
  std::vector<std::string> requests;  // each mode asked for, "restore" for the desktop's
};
ScriptedDisplay display;

std::string text(const DisplayMode& m) {
  return std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
         std::to_string(m.bitsPerPixel);
}

bool sameMode(const DisplayMode& a, const DisplayMode& b) { return text(a) == text(b); }

LONG scriptedChange(DEVMODEA* mode, DWORD) {
  if (mode == nullptr) {
    display.requests.push_back("restore");
    return DISP_CHANGE_SUCCESSFUL;
  }
  const DisplayMode asked{static_cast<int>(mode->dmPelsWidth), static_cast<int>(mode->dmPelsHeight),
                          static_cast<int>(mode->dmBitsPerPel)};
  display.requests.push_back(text(asked));
  const bool listed = std::any_of(display.listed.begin(), display.listed.end(),
                                  [&](const DisplayMode& m) { return sameMode(m, asked); });
  return listed && asked.bitsPerPixel >= display.leastBits ? DISP_CHANGE_SUCCESSFUL
                                                           : DISP_CHANGE_BADMODE;
}

BOOL scriptedEnum(DWORD index, DEVMODEA* mode) {
  const DisplayMode* m = nullptr;
  if (index == ENUM_CURRENT_SETTINGS) {
    m = &display.desktop;
  } else if (index < display.listed.size()) {
    m = &display.listed[index];
  }
  if (m == nullptr) return FALSE;
  mode->dmPelsWidth = static_cast<DWORD>(m->width);
  mode->dmPelsHeight = static_cast<DWORD>(m->height);
  mode->dmBitsPerPel = static_cast<DWORD>(m->bitsPerPixel);
  return TRUE;
}

class Win32Display : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = platform::win32::displayCalls();
    platform::win32::displayCalls() = {scriptedChange, scriptedEnum};
    demoClock = &clock_;
  }
  void TearDown() override {
    platform::win32::displayCalls() = saved_;
    demoClock = nullptr;
  }

  testing_support::ScopedPlatform recording_;
  platform::win32::DisplayCalls saved_{};
  DemoClock clock_;
};

TEST_F(Win32Display, TakesADepthTheDisplayListsAndAsksOnlyWhenNoneIsTaken) {
  struct Case {
    const char* what;
    int width, height;  // chosen in the dialog, asked at 16 bits first
    std::vector<DisplayMode> listed;
    int leastBits;
    std::vector<std::string> requests;  // to the display, in order, up to the restore at the end
    const char* taken;                  // nullptr: the viewer is asked
  };
  const Case cases[] = {
      {"a display that takes 16 bits",
       800,
       600,
       {{800, 600, 16}, {800, 600, 32}},
       16,
       {"800x600x16", "restore"},
       "800x600x16"},
      {"old depths listed, none under 32 bits taken (Windows 8 and later)",
       800,
       600,
       {{800, 600, 8}, {800, 600, 16}, {800, 600, 24}, {800, 600, 32}, {1024, 768, 32}},
       32,
       {"800x600x16", "800x600x32", "restore"},
       "800x600x32"},
      {"a resolution the display lacks at every depth",
       640,
       480,
       {{800, 600, 32}, {1024, 768, 32}},
       32,
       {"640x480x16"},
       nullptr},
      {"every depth the display lists at the resolution refused",
       800,
       600,
       {{800, 600, 32}},
       64,
       {"800x600x16", "800x600x32"},
       nullptr},
  };
  for (const Case& c : cases) {
    display = ScriptedDisplay{};
    display.listed = c.listed;
    display.leastBits = c.leastBits;
    platformLog() = testing_support::PlatformLog{};
    platformLog().boxAnswers = {platform::kAnswerYes};
    demoClock->width = c.width;
    demoClock->height = c.height;
    demoClock->fullscreen = 1;
    platform::WindowStyle style;
    EXPECT_TRUE(switchDisplay(&style)) << c.what;
    platform::current().restoreDisplayMode();
    EXPECT_EQ(display.requests, c.requests) << c.what;
    if (c.taken != nullptr) {
      EXPECT_EQ(text(style.mode), c.taken) << c.what;
      EXPECT_TRUE(platformLog().boxes.empty()) << c.what << ": no question";
      EXPECT_EQ(demoClock->fullscreen, 1) << c.what;
    } else {
      ASSERT_EQ(platformLog().boxes.size(), 1u) << c.what;
      EXPECT_EQ(platformLog().boxes[0].caption, "Quor GL") << c.what;
      EXPECT_EQ(demoClock->fullscreen, 0) << c.what << ": the viewer took a window";
    }
  }
}

}  // namespace
