// The fullscreen request: the chosen resolution at 16 bpp where the display offers it, else the
// closest depth at that resolution, and the viewer's choice of a window when it is refused.
#include "shell/display_switch.h"

#include <cstdlib>

#include "core/demo_clock.h"
#include "startup/window_error_box.h"

namespace {

constexpr int kFullscreenBitsPerPixel = 16;

bool viewerTakesWindow() {
  const int answer = platform::current().messageBox(
      "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
      "Instead?",
      "Quor GL", platform::BoxButtons::YesNo, platform::BoxIcon::Exclamation, false);
  return answer == platform::kAnswerYes;
}

}  // namespace

bool switchDisplay(platform::WindowStyle* style) {
  const platform::DisplayMode wanted{demoClock->width, demoClock->height, kFullscreenBitsPerPixel};
  if (platform::current().switchDisplayMode(wanted, &style->mode)) return true;
  return takeWindowInstead();
}

bool takeWindowInstead() {
  if (viewerTakesWindow()) {
    demoClock->fullscreen = 0;
    return true;
  }
  windowErrorBox("Program Will Now Close.", platform::BoxIcon::Stop);
  return false;
}

void restoreDisplayAtExit() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  std::atexit([] { platform::current().restoreDisplayMode(); });
}
