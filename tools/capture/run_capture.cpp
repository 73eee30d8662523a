// Wiring the platform entries, the demo objects, the offscreen context and the chosen run.
#include "run_capture.h"

#include <cstdint>
#include <string>

#include "bench.h"
#include "capture_outputs.h"
#include "capture_start.h"
#include "console_platform.h"
#include "offscreen_gl.h"
#include "scenes/scene_table.h"
#include "silent_sound.h"
#include "startup/long_lived_objects.h"

namespace {

StreamOutputs* unfinishedOutputs = nullptr;

void abandonOutputs() {
  if (unfinishedOutputs != nullptr) unfinishedOutputs->abandon();
}

// The demo objects on the offscreen context. `clock` null: the real one.
bool startDemo(const CaptureOptions& options, VirtualClock* clock) {
  chooseOffscreenVideo();
  if (!startCaptureDemo(options, clock)) return false;
  prefetchScene(kDemoScenes[0]);
  return openOffscreenGl(options.width, options.height);
}

int captureShots(const CaptureOptions& options) {
  VirtualClock clock(options.fps);
  if (!startDemo(options, &clock)) return 1;
  return captureDemoShots(options, &clock);
}

VideoSpec videoSpec(const CaptureOptions& options, const VirtualClock& clock) {
  const MusicStart& music = musicStart();
  // The first frame starts now; the music started in the first step, when no time passed.
  const int32_t offset =
      static_cast<int32_t>(music.millisecond - static_cast<uint32_t>(clock.now()));
  return {options.videoFile,
          options.width,
          options.height,
          options.fps,
          options.durationMs,
          music.started ? music.file : std::string(),
          offset};
}

int captureStream(const CaptureOptions& options) {
  VirtualClock clock(options.fps);
  if (!startDemo(options, &clock)) return 1;
  CaptureSession session(&clock);
  session.start({kDemoScenes, startMusic});
  StreamOutputs outputs;
  const VideoSpec video = videoSpec(options, clock);
  if (!outputs.open(options.framesDir, options.videoFile.empty() ? nullptr : &video)) return 1;
  unfinishedOutputs = &outputs;
  setExitCleanup(abandonOutputs);
  Progress progress(streamFrameCount(options.durationMs, options.fps));
  const FrameHandler write = [&](const FrameInfo& info) { return outputs.write(info); };
  const bool drawn = runStream(&session, &clock, options.durationMs, write, &progress);
  setExitCleanup(nullptr);
  if (drawn && outputs.finish()) {
    progress.reportSpeed(options.durationMs);
    return 0;
  }
  outputs.abandon();
  return 1;
}

}  // namespace

int runCapture(const CaptureOptions& options) {
  switch (options.mode) {
    case CaptureMode::Shots:
      return captureShots(options);
    case CaptureMode::Stream:
      return captureStream(options);
    case CaptureMode::Bench: {
      VirtualClock clock(options.fps);
      return startDemo(options, &clock) ? runBench(&clock, options.width, options.height) : 1;
    }
    case CaptureMode::Help:
      break;
  }
  return 0;
}
