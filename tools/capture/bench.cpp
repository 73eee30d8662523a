// Timing the scenes' init and frames and the empty frame, and the JSON report. The scenes run as
// the demo runs them: the first scene's images decoded ahead (the viewer's time in the dialog),
// each later scene's decoded while the one before plays, from its first frame on; their time
// moves on the virtual clock.
#include "bench.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/demo_clock.h"
#include "core/sequencer.h"
#include "core/warm_up_queue.h"
#include "frame_stats.h"
#include "platform/platform.h"
#include "scenes/scene_table.h"
#include "textures/gl/image_prefetch.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The present the bench found in the table, which it waits on after each frame.
void (*present)(platform::DeviceContext* dc) = nullptr;

// The rasteriser draws behind the caller's back; waiting for it at the present charges each
// frame with its own drawing, as a display's swap would.
void finishedSwap(platform::DeviceContext* dc) {
  present(dc);
  glFinish();
}

int emptyFrame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  demoClock->endFrame();
  return 0;
}

VirtualClock* sceneClock = nullptr;

// What a scene's warm-up layers cost, each timed to its finished drawing.
struct WarmUpTimes {
  double totalMs = 0;
  double largestLayerMs = 0;
  void add(double ms) {
    totalMs += ms;
    if (ms > largestLayerMs) largestLayerMs = ms;
  }
};

WarmUpQueue warmUps;
WarmUpTimes warmUpTimes[kSceneCount];

// Runs `step` (one of the queue's), timing the layer it ran to its finished drawing; false when
// it ran none.
template <typename Step>
bool timeWarmUp(Step step) {
  const int scene = warmUps.nextScene();
  const Clock::time_point start = Clock::now();
  if (!step()) return false;
  glFinish();
  warmUpTimes[scene].add(msSince(start));
  return true;
}

// Each frame ends one regular step after it starts, as in the capture. With `warmedUp`, the
// waiting warm-up layers run before the frames as the sequencer runs them, inside the frames'
// times, and `warmedUp` counts the frames that carried one. `next`, when given, starts decoding
// where the sequencer starts it.
std::vector<double> timeFrames(int (*frame)(), int* warmedUp = nullptr,
                               const Scene* next = nullptr) {
  std::vector<double> times;
  for (int i = 0; i < kBenchFrames; ++i) {
    sceneClock->advance(sceneClock->regularStep());
    const Clock::time_point start = Clock::now();
    if (warmedUp != nullptr && timeWarmUp([i] { return warmUps.beforeFrame(i); })) ++*warmedUp;
    frame();
    times.push_back(msSince(start));
    if (next != nullptr && i + 1 == kFramesBeforeDecodingNext) prefetchScene(*next);
  }
  return times;
}

// The mean frame time from frame `first` on: the first frame pays for the scene's first use of
// its textures, and the frames before `first` may carry warm-ups.
double meanFrom(const std::vector<double>& times, size_t first) {
  double sum = 0;
  for (size_t i = first; i < times.size(); ++i) sum += times[i];
  return times.size() > first ? sum / static_cast<double>(times.size() - first) : 0;
}

void printStats(const FrameStats& s) {
  std::printf(
      "\"first_ms\": %.3f, \"median_ms\": %.3f, \"p99_ms\": %.3f, \"max_ms\": %.3f, "
      "\"stutters\": %d",
      s.first, s.median, s.p99, s.max, s.stutters);
}

void printRatios(const FrameStats& s, const FrameStats& empty) {
  std::printf(
      ", \"first_over_median\": %.2f, \"p99_over_median\": %.2f, \"median_over_empty\": %.2f",
      s.first / s.median, s.p99 / s.median, s.median / empty.median);
}

struct SceneFigures {
  const char* name;
  WarmUpTimes warmUp;  // ahead of init: the first scene's at start-up, the others' in frames
  double initMs;
  FrameStats frames;
  // The mean frame while the next scene decodes ahead over the mean of the same stretch of the
  // scene with nothing decoding; 0 for the last scene, which has nothing after it.
  double decodingAheadCost;
};

void printScene(const SceneFigures& s, const FrameStats& empty) {
  // What a viewer sees at the change: the last frame of the scene before stays up through the
  // init and the new scene's first frame.
  std::printf(
      "    {\"scene\": \"%s\", \"warm_up_ms\": %.3f, \"warm_up_layer_max_ms\": %.3f, "
      "\"init_ms\": %.3f, \"change_ms\": %.3f, ",
      s.name, s.warmUp.totalMs, s.warmUp.largestLayerMs, s.initMs, s.initMs + s.frames.first);
  printStats(s.frames);
  printRatios(s.frames, empty);
  if (s.decodingAheadCost > 0) std::printf(", \"decoding_ahead_cost\": %.3f", s.decodingAheadCost);
  std::printf("}");
}

void printReport(int width, int height, const FrameStats& empty,
                 const std::vector<SceneFigures>& scenes) {
  std::printf("{\n  \"size\": \"%dx%d\", \"frames\": %d, \"renderer\": \"%s\",\n  \"empty\": {",
              width, height, kBenchFrames, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  printStats(empty);
  std::printf("},\n  \"scenes\": [\n");
  for (size_t i = 0; i < scenes.size(); ++i) {
    printScene(scenes[i], empty);
    std::printf("%s\n", i + 1 < scenes.size() ? "," : "");
  }
  std::printf("  ]\n}\n");
}

}  // namespace

int runBench(VirtualClock* clock, int width, int height) {
  sceneClock = clock;
  present = platform::current().swapBuffers;
  platform::current().swapBuffers = finishedSwap;
  demoClock->restart();
  const FrameStats empty = frameStats(timeFrames(emptyFrame));
  prefetchScene(kDemoScenes[0]);
  finishPrefetching();
  warmUps.reset(kDemoScenes);
  std::vector<SceneFigures> scenes;
  for (int i = 0; i < kSceneCount; ++i) {
    const Scene& scene = kDemoScenes[i];
    const Scene* next = i + 1 < kSceneCount ? &kDemoScenes[i + 1] : nullptr;
    // What still waits of the scene runs before its init: all of the first scene's, at start-up.
    while (timeWarmUp([i] { return warmUps.beforeInit(i); })) {
    }
    const Clock::time_point start = Clock::now();
    if (scene.init() == 0) {
      std::fprintf(stderr, "tamsirel-capture: the %s scene's initialisation failed\n", scene.name);
      return 1;
    }
    glFinish();
    const double initMs = msSince(start);
    demoClock->restart();
    int warmedUp = 0;
    const std::vector<double> times = timeFrames(scene.frame, &warmedUp, next);
    finishPrefetching();
    // The same stretch of the scene again with nothing decoding, to weigh what decoding cost.
    demoClock->restart();
    const std::vector<double> quiet = timeFrames(scene.frame);
    const size_t settled = 1 + static_cast<size_t>(warmedUp);  // the frames past the warm-ups
    const double cost = next != nullptr ? meanFrom(times, settled) / meanFrom(quiet, settled) : 0;
    scenes.push_back({scene.name, {}, initMs, frameStats(times), cost});
  }
  for (int i = 0; i < kSceneCount; ++i) scenes[static_cast<size_t>(i)].warmUp = warmUpTimes[i];
  printReport(width, height, empty, scenes);
  return 0;
}
