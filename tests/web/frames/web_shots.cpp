// The capture's shots drawn in the page: the demo's own sequencer and scenes on the capture's
// virtual clock, in the page's canvas through the browser backend and its GL layer, each shot
// written as a PNG file into the page's file system. Not a test by itself: frames.test.mjs runs
// it in headless Chromium and compares its shots with the Linux capture's.
//
//   arguments (from the page's address): the capture's --assets, --size, --fps and --shot
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "capture_options.h"
#include "capture_runs.h"
#include "console_platform.h"
#include "core/demo_clock.h"
#include "scenes/scene_table.h"
#include "startup/gl_window.h"
#include "startup/long_lived_objects.h"

namespace {

bool openCanvasGl(int width, int height) {
  if (!platform::current().initWindowing()) return false;
  demoClock->fullscreen = 0;
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  style.pixelFormat = kShellPixelFormat;
  GlTarget target;
  if (!openGlWindow("tamsirel shots", style, &target)) return false;
  platform::current().showWindow(target.window);
  demoClock->attachWindow(target.window, &target.deviceContext, &target.renderContext);
  demoClock->resize(width, height);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  CaptureOptions options;
  std::string error;
  if (!parseCaptureOptions(argc, argv, kDemoScenes, &options, &error) ||
      options.mode != CaptureMode::Shots) {
    std::fprintf(stderr, "web_shots: %s\n", error.empty() ? "give --shot" : error.c_str());
    return 2;
  }
  VirtualClock clock(options.fps);
  installConsoleBoxes();
  installVirtualClock(&clock);
  createLongLivedObjects();
  prefetchScene(kDemoScenes[0]);
  if (!openCanvasGl(options.width, options.height)) return 1;
  CaptureSession session(&clock);
  session.start({kDemoScenes, startMusic});
  ShotPlan plan(options.shots);
  Progress progress(0);
  const bool drawn = runShots(&session, &clock, &plan, kDemoScenes,
                              pngShotWriter(options.width, options.height), &progress);
  return drawn ? 0 : 1;
}
