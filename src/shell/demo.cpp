// Start-up in its fixed order: the three long-lived objects, the dialog, the display switch, the
// window with its GL context, then the loop and shutdown. Each failure shows its box and ends the
// run with status 1; nothing after a failing step runs.
#include "shell/demo.h"

#include "core/demo_clock.h"
#include "core/fatal_error.h"
#include "core/sequencer.h"
#include "platform/dialog.h"
#include "shell/display_settings.h"
#include "shell/display_switch.h"
#include "shell/message_loop.h"
#include "shell/window_proc.h"
#include "startup/gl_window.h"
#include "startup/long_lived_objects.h"
#include "startup/window_error_box.h"
#include "textures/gl/image_prefetch.h"

namespace {

constexpr int kFailureStatus = 1;
constexpr const char* kWindowTitle = "pelorimo::brintal";
constexpr int kVerticalSync = 1;  // swap interval: each frame waits for the display's next blank

void takeDisplaySettings(int dialogResult) {
  demoClock->fullscreen = displaySettings.fullscreen;
  if (dialogResult == 0) return;
  demoClock->width = displaySettings.width;
  demoClock->height = displaySettings.height;
}

// Steps 8 and 9: the display mode (or the viewer's choice of a window) and the window's style.
bool chooseWindowStyle(platform::WindowStyle* style) {
  if (demoClock->fullscreen != 0 && !switchDisplay(style)) return false;
  style->width = demoClock->width;
  style->height = demoClock->height;
  style->fullscreen = demoClock->fullscreen != 0;
  style->pixelFormat = kShellPixelFormat;
  if (style->fullscreen) {
    restoreDisplayAtExit();
    platform::current().showCursor(false);
  }
  return true;
}

// Steps 8 to 11; false after a failure, whose box has been shown. Once the context is current
// the frames are paced by the display where the driver allows it, so the demo neither tears
// nor draws frames nobody sees; where it does not, they go out as fast as they are drawn. The
// clock reads real time either way, so the picture at a given moment is the same.
bool createWindowWithContext(GlTarget* target) {
  platform::WindowStyle style;
  if (!chooseWindowStyle(&style) || !openGlWindow(kWindowTitle, style, target)) return false;
  platform::current().setSwapInterval(kVerticalSync);
  return true;
}

// Step 12. Where the display mode changes only as the fullscreen window is shown, a refusal
// comes here: everything is given back and the viewer is asked, as for a mode not offered.
bool showWindowOrAsk(GlTarget* target) {
  platform::Platform& p = platform::current();
  if (p.showWindow(target->window)) return true;
  demoClock->shutdown(target->window, target->deviceContext, target->renderContext);
  *target = GlTarget{};
  if (!takeWindowInstead() || !createWindowWithContext(target)) return false;
  p.showWindow(target->window);
  return true;
}

// Steps 7 to 13; false after a failure, whose box has been shown.
bool openWindow(GlTarget* target) {
  if (!platform::current().initWindowing()) {
    windowErrorBox("Failed To Register The Window Class.");
    return false;
  }
  if (!createWindowWithContext(target) || !showWindowOrAsk(target)) return false;
  if (demoClock->attachWindow(target->window, &target->deviceContext, &target->renderContext) ==
      0) {
    fatalError("error init brintal");
  }
  return true;
}

}  // namespace

int runDemo(const DemoParts& parts) {
  createLongLivedObjects(parts.createFlyingObject);
  // The first scene's images decode while the viewer is in the dialog: on their thread, or in
  // the dialog's idle time where there is none.
  prefetchScene(parts.scenes[0]);
  platform::setDialogIdleWork(decodeAheadBand);
  const int dialogResult = parts.runSetup();
  platform::setDialogIdleWork(nullptr);
  if (setupCancelled != 0) return 0;
  takeDisplaySettings(dialogResult);
  GlTarget target;
  if (!openWindow(&target)) return kFailureStatus;
  quitRequest = QuitRequest{};
  setupSequencer({parts.scenes, startMusic});
  const int exitCode = runMessageLoop(target.window);
  demoClock->shutdown(target.window, target.deviceContext, target.renderContext);
  return exitCode;
}
