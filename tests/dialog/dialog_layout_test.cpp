// The setup dialog's template read through the toolkit-free layout rules: its size in pixels
// with the font the template names, its radio groups, and where Tab, the arrows and Enter go.
#include <gtest/gtest.h>

#include "platform/dialog_layout.h"
#include "shell/setup_dialog.h"

namespace {

using platform::FontMetrics;

int indexOfId(int id) {
  for (size_t i = 0; i < kSetupDialog.controls.size(); ++i) {
    if (kSetupDialog.controls[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

int idAt(int index) { return index < 0 ? index : kSetupDialog.controls[index].id; }

// MS Sans Serif 8 at 96 dpi: 6 pixels average width, 13 pixels high.
constexpr FontMetrics kMsSansSerif8{6.0, 13.0};

TEST(DialogUnits, GiveTheWindowsSizesWithTheWindowsFont) {
  EXPECT_EQ(platform::toPixels(kSetupDialog.rect, kMsSansSerif8),
            (platform::DialogRect{0, 0, 195, 198}));
  EXPECT_EQ(platform::toPixels(kSetupDialog.controls[0].rect, kMsSansSerif8),
            (platform::DialogRect{11, 164, 98, 23}));
  EXPECT_EQ(platform::fontPixels(kSetupDialog.font.points), 11);
}

TEST(DialogUnits, FollowTheMeasuredFontNotWholePixels) {
  const FontMetrics wide{6.5, 14.0};
  EXPECT_EQ(platform::toPixels({10, 8, 130, 122}, wide), (platform::DialogRect{16, 14, 211, 214}));
}

TEST(SetupDialogTemplate, RadioButtonsFallIntoAColourAndAResolutionGroup) {
  const auto controls = kSetupDialog.controls;
  const auto group = [&](int id) { return platform::groupOf(controls, indexOfId(id)); };
  EXPECT_EQ(group(kSetupGo), group(kSetupHuh));
  EXPECT_EQ(group(kSetup16Bpp), group(kSetup32Bpp));
  EXPECT_NE(group(kSetup16Bpp), group(kSetupGo));
  EXPECT_NE(group(kSetup16Bpp), group(kSetup640x480));
  EXPECT_EQ(group(kSetup640x480), group(kSetup1024x768));
  EXPECT_EQ(group(kSetupFullscreen), group(kSetup800x600));
}

TEST(SetupDialogTemplate, TabVisitsGoHuhAndTheFullscreenBoxInTurn) {
  const auto controls = kSetupDialog.controls;
  struct Case {
    int from, step, to;
  };
  const Case cases[] = {
      {-1, 1, kSetupGo},
      {kSetupGo, 1, kSetupHuh},
      {kSetupHuh, 1, kSetupFullscreen},
      {kSetupFullscreen, 1, kSetupGo},
      {kSetupGo, -1, kSetupFullscreen},
      {-1, -1, kSetupFullscreen},
      {kSetup640x480, 1, kSetupFullscreen},  // from a radio button to the next tab stop
  };
  for (const Case& c : cases) {
    const int from = c.from < 0 ? -1 : indexOfId(c.from);
    EXPECT_EQ(idAt(platform::nextTabStop(controls, from, c.step)), c.to) << c.from << " " << c.step;
  }
}

TEST(SetupDialogTemplate, ArrowsStayInTheirGroupAndSkipWhatCannotTakeTheFocus) {
  const auto controls = kSetupDialog.controls;
  struct Case {
    int from, step, to;
  };
  const Case cases[] = {
      {kSetupFullscreen, -1, kSetup1024x768},
      {kSetup1024x768, -1, kSetup800x600},
      {kSetup640x480, -1, kSetupFullscreen},
      {kSetupFullscreen, 1, kSetup640x480},
      {kSetupGo, 1, kSetupHuh},
      {kSetupHuh, 1, kSetupGo},
      {kSetup16Bpp, 1, kSetup16Bpp},  // the disabled 32 bpp button and the group box are skipped
      {kSetup16Bpp, -1, kSetup16Bpp},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(idAt(platform::nextInGroup(controls, indexOfId(c.from), c.step)), c.to)
        << c.from << " " << c.step;
  }
}

TEST(SetupDialogTemplate, EnterPressesTheFocusedPushButtonOrLetsGo) {
  const auto controls = kSetupDialog.controls;
  EXPECT_EQ(platform::enterCommand(controls, -1), kSetupGo);
  EXPECT_EQ(platform::enterCommand(controls, indexOfId(kSetupHuh)), kSetupHuh);
  EXPECT_EQ(platform::enterCommand(controls, indexOfId(kSetupFullscreen)), kSetupGo);
  EXPECT_EQ(platform::enterCommand(controls, indexOfId(kSetup640x480)), kSetupGo);
}

}  // namespace
