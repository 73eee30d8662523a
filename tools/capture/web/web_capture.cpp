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
#include "capture_start.h"
#include "capture_window.h"
#include "platform/platform.h"
#include "scenes/scene_table.h"

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
  if (!startCaptureDemo(options, &clock)) return 1;
  if (!platform::current().initWindowing() ||
      !openCaptureWindow(options.width, options.height, true)) {
    return 1;
  }
  if (options.mode == CaptureMode::Bench) {
    // The page shows a frame once the program yields to it; waiting for the display's next
    // frame there would time the display's pace, not the frame.
    platform::current().swapBuffers = [](platform::DeviceContext*) {};
    return runBench(&clock, options.width, options.height);
  }
  prefetchScene(kDemoScenes[0]);
  return captureDemoShots(options, &clock);
}
