// tamsirel-capture in the page: the demo's own sequencer and scenes on the capture's virtual
// clock, drawn in the page's canvas through the browser backend and its GL layer. Takes the
// capture's --shot (each shot a PNG file in the page's file system, for the browser tests to
// fetch) and --bench (the same JSON report, on the console), with --size and --fps; the
// arguments come from the page's address (capture.html).
#include <cstdio>
#include <string>

#include "bench.h"
#include "capture_options.h"
#include "capture_runs.h"
#include "console_platform.h"
#include "core/demo_clock.h"
#include "scenes/scene_table.h"
#include "startup/gl_window.h"
#include "startup/long_lived_objects.h"

namespace {

// The demo's own window set-up, on the page's canvas, never fullscreen.
bool openCanvasGl(int width, int height) {
  if (!platform::current().initWindowing()) return false;
  demoClock->fullscreen = 0;
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  style.pixelFormat = kShellPixelFormat;
  GlTarget target;
  if (!openGlWindow("tamsirel-capture", style, &target)) return false;
  platform::current().showWindow(target.window);
  demoClock->attachWindow(target.window, &target.deviceContext, &target.renderContext);
  demoClock->resize(width, height);
  return true;
}

int captureShots(const CaptureOptions& options, VirtualClock* clock) {
  prefetchScene(kDemoScenes[0]);
  CaptureSession session(clock);
  session.start({kDemoScenes, startMusic});
  ShotPlan plan(options.shots);
  Progress progress(0);
  const ShotWriter write = pngShotWriter(options.width, options.height);
  return runShots(&session, clock, &plan, kDemoScenes, write, &progress) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  CaptureOptions options;
  std::string error;
  if (!parseCaptureOptions(argc, argv, kDemoScenes, &options, &error)) {
    std::fprintf(stderr, "tamsirel-capture: %s\n", error.c_str());
    return 2;
  }
  if (options.mode != CaptureMode::Shots && options.mode != CaptureMode::Bench) {
    std::fprintf(stderr, "tamsirel-capture: the page takes --shot or --bench\n");
    return 2;
  }
  VirtualClock clock(options.fps);
  installConsoleBoxes();
  installVirtualClock(&clock);
  createLongLivedObjects();
  if (!openCanvasGl(options.width, options.height)) return 1;
  if (options.mode == CaptureMode::Bench) return runBench(&clock, options.width, options.height);
  return captureShots(options, &clock);
}
