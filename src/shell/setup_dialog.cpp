// The setup dialog's template and procedure. The procedure keeps displaySettings in step with
// the controls: the radio buttons set their values outright, the fullscreen box flips its flag.
// Not here: the widgets (platform/fltk_dialog.cpp) and the shell's reading of the answer.
#include "shell/setup_dialog.h"

#include "platform/platform.h"
#include "shell/display_settings.h"

namespace {

using platform::ControlKind;
using platform::kStyleDisabled;
using platform::kStyleGroup;
using platform::kStyleTabStop;

constexpr int kUsEnglish = 1033;
constexpr int kNormalWeight = 400;
constexpr int kDefaultCharset = 1;

constexpr platform::DialogControl kControls[] = {
    {kSetupGo, ControlKind::DefaultPushButton, "Let's GO!", {7, 101, 65, 14}, kStyleTabStop},
    {kSetupHuh, ControlKind::PushButton, "Huh?", {75, 101, 40, 14}, kStyleTabStop},
    {platform::kNoControlId, ControlKind::GroupBox, "Colors", {7, 7, 108, 34}, kStyleGroup},
    {kSetup16Bpp, ControlKind::AutoRadioButton, "16 bpp", {14, 18, 38, 10}, 0},
    {kSetup32Bpp,
     ControlKind::AutoRadioButton,
     "32 bpp (wait for final)",
     {14, 28, 81, 10},
     kStyleDisabled},
    {platform::kNoControlId, ControlKind::GroupBox, "Resolution", {7, 44, 108, 44}, kStyleGroup},
    {kSetup640x480, ControlKind::AutoRadioButton, "640x480", {13, 55, 43, 10}, 0},
    {kSetup800x600, ControlKind::AutoRadioButton, "800x600", {13, 64, 43, 10}, 0},
    {kSetup1024x768, ControlKind::AutoRadioButton, "1024x768", {13, 73, 47, 10}, 0},
    {kSetupFullscreen,
     ControlKind::AutoCheckBox,
     "&Fullscreen (alt+enter toggles)",
     {7, 90, 106, 10},
     kStyleTabStop},
};

// The dialog's top-left corner sits a fixed 65 pixels left of and 63 above the screen's centre,
// whatever size the dialog has in pixels.
constexpr int kHalfWidthOffset = 65;
constexpr int kHalfHeightOffset = 63;

int half(int pixels) { return static_cast<int>(static_cast<unsigned>(pixels) / 2u); }

// Above all other windows, placed from the current display mode; where that cannot be read, at
// the template's own position.
void placeDialog(platform::Dialog* dialog) {
  platform::DisplayMode mode;
  int x = kSetupDialog.rect.x, y = kSetupDialog.rect.y;
  if (platform::current().currentDisplayMode(&mode)) {
    x = half(mode.width) - kHalfWidthOffset;
    y = half(mode.height) - kHalfHeightOffset;
  }
  platform::dialogOps().placeTopmost(dialog, x, y);
}

int openDialog(platform::Dialog* dialog) {
  displaySettings.fullscreen = 1;
  displaySettings.width = 800;
  displaySettings.height = 600;
  displaySettings.bitsPerPixel = 16;
  for (const int id : {kSetup16Bpp, kSetup800x600, kSetupFullscreen}) {
    platform::dialogOps().setButtonCheck(dialog, id, platform::kButtonChecked);
  }
  placeDialog(dialog);
  return 0;  // the dialog puts the focus on no control of its own accord
}

void setResolution(int32_t width, int32_t height) {
  displaySettings.width = width;
  displaySettings.height = height;
}

int command(platform::Dialog* dialog, int id) {
  switch (id) {
    case kSetupGo:
      platform::dialogOps().endDialog(dialog, 1);
      return 1;
    case kSetupHuh:
      setupCancelled = 1;
      platform::dialogOps().endDialog(dialog, 0);
      return 1;
    case kSetup16Bpp:
      displaySettings.bitsPerPixel = 16;
      return 1;
    case kSetup32Bpp:
      displaySettings.bitsPerPixel = 32;
      return 1;
    case kSetup640x480:
      setResolution(640, 480);
      return 1;
    case kSetup800x600:
      setResolution(800, 600);
      return 1;
    case kSetup1024x768:
      setResolution(1024, 768);
      return 1;
    case kSetupFullscreen:
      displaySettings.fullscreen = 1 - displaySettings.fullscreen;
      return 1;
    default:
      return 0;
  }
}

}  // namespace

const platform::DialogTemplate kSetupDialog{
    kSetupDialogId,
    kUsEnglish,
    "t a m s i r e l b y k e x",
    {"MS Sans Serif", 8, kNormalWeight, false, kDefaultCharset},
    {0, 0, 130, 122},
    false,
    kControls,
};

int setupDialogProc(platform::Dialog* dialog, unsigned message, uintptr_t wParam, intptr_t) {
  if (message == platform::kDialogInit) return openDialog(dialog);
  if (message == platform::kDialogCommand) return command(dialog, platform::commandId(wParam));
  return 0;
}
