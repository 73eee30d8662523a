// Start-up in its fixed order: the three long-lived objects, the dialog, the display switch, the
// window with its GL context, then the loop and shutdown. Each failure shows its box and ends the
// run with status 1; nothing after a failing step runs.
#include "shell/demo.h"

#include "audio/music_player.h"
#include "core/demo_clock.h"
#include "core/fatal_error.h"
#include "core/sequencer.h"
#include "shell/display_settings.h"
#include "shell/display_switch.h"
#include "shell/gl_setup.h"
#include "shell/message_loop.h"
#include "shell/shell_boxes.h"
#include "shell/window_proc.h"

namespace {

constexpr int kFailureStatus = 1;
constexpr const char* kWindowTitle = "pelorimo::brintal";

void createLongLivedObjects(const DemoParts& parts) {
  demoClock = new DemoClock();
  parts.createFlyingObject();
  musicPlayer = new MusicPlayer("tamsirel.mp3", kSoundMpegStream, 0, 0);
}

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
  if (style->fullscreen) {
    restoreDisplayAtExit();
    platform::current().showCursor(false);
  }
  return true;
}

// Steps 7 to 13; false after a failure, whose box has been shown.
bool openWindow(GlTarget* target) {
  platform::Platform& p = platform::current();
  if (!p.initWindowing()) {
    shellErrorBox("Failed To Register The Window Class.");
    return false;
  }
  platform::WindowStyle style;
  if (!chooseWindowStyle(&style)) return false;
  target->window = p.createWindow(kWindowTitle, style);
  if (target->window == nullptr) {
    shellErrorBox("Window Creation Error.");
    return false;
  }
  if (!setUpGlContext(target)) return false;
  p.showWindow(target->window);
  if (demoClock->attachWindow(target->window, &target->deviceContext, &target->renderContext) == 0) {
    fatalError("error init brintal");
  }
  return true;
}

int startMusic() { return musicPlayer->play(); }

}  // namespace

int runDemo(const DemoParts& parts) {
  createLongLivedObjects(parts);
  const int dialogResult = parts.runSetup();
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
