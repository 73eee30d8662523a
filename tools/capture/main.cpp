// tamsirel-capture: the demo played offscreen on a virtual clock, frame-exact, into PNG shots,
// numbered frames or a video with the soundtrack; or the scenes' benchmark. This file only reads
// the command line; bad arguments give the usage text and status 2.
#include <cstdio>
#include <string>

#include "capture_options.h"
#include "run_capture.h"
#include "scenes/scene_table.h"

int main(int argc, char** argv) {
  CaptureOptions options;
  std::string error;
  if (!parseCaptureOptions(argc, argv, kDemoScenes, &options, &error)) {
    std::fprintf(stderr, "tamsirel-capture: %s\n%s", error.c_str(), captureUsage());
    return 2;
  }
  if (options.mode == CaptureMode::Help) {
    std::fputs(captureUsage(), stdout);
    return 0;
  }
  return runCapture(options);
}
