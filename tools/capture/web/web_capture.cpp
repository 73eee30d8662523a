// tamsirel-capture in the page: the demo's own sequencer and scenes on the capture's virtual
// clock, drawn in the page's canvas through the browser backend and its GL layer. Takes the
// capture's --shot (each shot a PNG file in the page's file system, for the browser tests to
// fetch) and --bench (the same JSON report, on the console), with --size and --fps; the
// arguments come from the page's address (capture.html).
#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>

#include "bench.h"
#include "capture_options.h"
#include "capture_runs.h"
#include "capture_start.h"
#include "capture_window.h"
#include "platform/platform.h"
#include "scenes/scene_table.h"

namespace {

// The shots are read back from the drawing buffer and never need to be shown: instead of waiting
// for the display's next frame, a frame only hands the page its turn, so that a long run keeps
// the page answering.
EM_ASYNC_JS(void, yieldToPage, (), {
  await new Promise((resolve) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => resolve();
    channel.port2.postMessage(0);
  });
});

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
  if (!startCaptureDemo(options, &clock)) return 1;
  if (!platform::current().initWindowing() ||
      !openCaptureWindow(options.width, options.height, true)) {
    return 1;
  }
  if (options.mode == CaptureMode::Bench) {
    // Waiting for the display's next frame would time the display's pace, not the frame, and
    // handing the page its turn would time whatever else it does: a frame presents nothing.
    // The decoding ahead runs in its bands at the ends of the frames, inside their times.
    platform::current().swapBuffers = [](platform::DeviceContext*) {};
    return runBench(&clock, options.width, options.height);
  }
  platform::current().swapBuffers = [](platform::DeviceContext*) { yieldToPage(); };
  prefetchScene(kDemoScenes[0]);
  return captureDemoShots(options, &clock);
}
