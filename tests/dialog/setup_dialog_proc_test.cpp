// setupDialogProc against a recording dialog: the opening defaults, ticks and placement, every
// command's effect and result. No display is involved.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/platform.h"
#include "shell/display_settings.h"
#include "shell/setup_dialog.h"

// Found by argument lookup, so beside the type rather than in the test's own namespace.
static bool operator==(const DisplaySettings& a, const DisplaySettings& b) {
  return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel &&
         a.fullscreen == b.fullscreen;
}

static void PrintTo(const DisplaySettings& s, std::ostream* os) {
  *os << s.width << "x" << s.height << " " << s.bitsPerPixel << " bpp fullscreen " << s.fullscreen;
}

namespace {

struct Recorded {
  std::vector<std::pair<int, int>> checks;  // control id, state
  std::vector<std::pair<int, int>> placements;
  std::vector<int> endResults;
  platform::DisplayMode mode{1024, 768, 32};
  bool modeReadable = true;
};

Recorded* recorded = nullptr;

class SetupDialogProc : public ::testing::Test {
 protected:
  void SetUp() override {
    savedOps_ = platform::dialogOps();
    savedCurrentMode_ = platform::current().currentDisplayMode;
    recorded = &log_;
    platform::dialogOps() = {
        [](platform::Dialog*, int id, int state) {
          recorded->checks.push_back({id, state});
        },
        [](platform::Dialog*, int x, int y) {
          recorded->placements.push_back({x, y});
        },
        [](platform::Dialog*, int result) { recorded->endResults.push_back(result); }};
    platform::current().currentDisplayMode = [](platform::DisplayMode* mode) {
      *mode = recorded->mode;
      return recorded->modeReadable;
    };
    displaySettings = {};
    setupCancelled = 0;
  }

  void TearDown() override {
    platform::dialogOps() = savedOps_;
    platform::current().currentDisplayMode = savedCurrentMode_;
    recorded = nullptr;
  }

  int open() { return setupDialogProc(dialog(), platform::kDialogInit, 0, 0); }
  int command(uintptr_t wParam) {
    return setupDialogProc(dialog(), platform::kDialogCommand, wParam, 0);
  }
  static platform::Dialog* dialog() { return reinterpret_cast<platform::Dialog*>(0x1); }

  Recorded log_;

 private:
  platform::DialogOps savedOps_{};
  bool (*savedCurrentMode_)(platform::DisplayMode*) = nullptr;
};

TEST_F(SetupDialogProc, OpeningSetsDefaultsTicksTheirButtonsAndLeavesTheFocusAlone) {
  displaySettings = {1, 2, 3, 0};
  EXPECT_EQ(open(), 0);
  EXPECT_EQ(displaySettings, (DisplaySettings{800, 600, 16, 1}));
  const std::vector<std::pair<int, int>> ticks = {
      {kSetup16Bpp, 1}, {kSetup800x600, 1}, {kSetupFullscreen, 1}};
  EXPECT_EQ(log_.checks, ticks);
  EXPECT_EQ(setupCancelled, 0);
  EXPECT_TRUE(log_.endResults.empty());
}

TEST_F(SetupDialogProc, OpeningPlacesTheDialogFromTheCurrentDisplayMode) {
  struct Case {
    int width, height, x, y;
  };
  const Case cases[] = {
      {1024, 768, 447, 321},  {800, 600, 335, 237},  {640, 480, 255, 177},
      {1920, 1080, 895, 477}, {1023, 767, 446, 320},  // odd sizes: halves rounded down
      {100, 100, -15, -13},                           // smaller than the dialog
  };
  for (const Case& c : cases) {
    log_.placements.clear();
    log_.mode = {c.width, c.height, 32};
    open();
    const std::vector<std::pair<int, int>> expected = {{c.x, c.y}};
    EXPECT_EQ(log_.placements, expected) << c.width << "x" << c.height;
  }
}

TEST_F(SetupDialogProc, OpeningWithoutAReadableDisplayModeUsesTheTemplatePosition) {
  log_.modeReadable = false;
  open();
  const std::vector<std::pair<int, int>> expected = {{0, 0}};
  EXPECT_EQ(log_.placements, expected);
}

TEST_F(SetupDialogProc, EachCommandChangesItsSettingAndReturnsOne) {
  struct Case {
    int before;  // a command sent first, 0 for none
    uintptr_t wParam;
    DisplaySettings after;
  };
  const DisplaySettings opened{800, 600, 16, 1};
  const Case cases[] = {
      {0, kSetup32Bpp, {800, 600, 32, 1}},
      {kSetup32Bpp, kSetup16Bpp, opened},
      {0, kSetup640x480, {640, 480, 16, 1}},
      {0, kSetup1024x768, {1024, 768, 16, 1}},
      {kSetup640x480, kSetup800x600, opened},
      {0, kSetupFullscreen, {800, 600, 16, 0}},
      {0, (1u << 16) | kSetup640x480, {640, 480, 16, 1}},  // the notification code is ignored
  };
  for (const Case& c : cases) {
    open();
    if (c.before != 0) command(static_cast<uintptr_t>(c.before));
    EXPECT_EQ(command(c.wParam), 1) << c.wParam;
    EXPECT_EQ(displaySettings, c.after) << c.wParam;
    EXPECT_TRUE(log_.endResults.empty()) << c.wParam;
    EXPECT_EQ(setupCancelled, 0) << c.wParam;
  }
}

TEST_F(SetupDialogProc, LetsGoEndsWithOneAndKeepsTheChoice) {
  open();
  command(kSetup1024x768);
  command(kSetupFullscreen);
  EXPECT_EQ(command(kSetupGo), 1);
  EXPECT_EQ(log_.endResults, std::vector<int>{1});
  EXPECT_EQ(setupCancelled, 0);
  EXPECT_EQ(displaySettings, (DisplaySettings{1024, 768, 16, 0}));
}

TEST_F(SetupDialogProc, HuhCancelsAndEndsWithZero) {
  open();
  EXPECT_EQ(command(kSetupHuh), 1);
  EXPECT_EQ(setupCancelled, 1);
  EXPECT_EQ(log_.endResults, std::vector<int>{0});
}

TEST_F(SetupDialogProc, ClickingTheChosenRadioButtonAgainChangesNothing) {
  for (const int id : {kSetup640x480, kSetup800x600, kSetup1024x768}) {
    open();
    command(id);
    const DisplaySettings once = displaySettings;
    command(id);
    command(id);
    EXPECT_EQ(displaySettings, once) << id;
  }
}

TEST_F(SetupDialogProc, FullscreenFollowsTheParityOfTheToggles) {
  for (int toggles = 0; toggles <= 5; ++toggles) {
    open();
    for (int i = 0; i < toggles; ++i) command(kSetupFullscreen);
    EXPECT_EQ(displaySettings.fullscreen, toggles % 2 == 0 ? 1 : 0) << toggles << " toggles";
  }
}

TEST_F(SetupDialogProc, UnknownIdsAndOtherMessagesReturnZeroAndChangeNothing) {
  open();
  const DisplaySettings opened = displaySettings;
  for (const uintptr_t id : {0u, 3u, 101u, 1003u, 1010u, 0xffffu}) {
    EXPECT_EQ(command(id), 0) << id;
  }
  for (const unsigned message : {0u, 16u, 271u, 274u}) {
    EXPECT_EQ(setupDialogProc(dialog(), message, kSetupHuh, 0), 0) << message;
  }
  EXPECT_EQ(displaySettings, opened);
  EXPECT_EQ(setupCancelled, 0);
  EXPECT_TRUE(log_.endResults.empty());
}

}  // namespace
