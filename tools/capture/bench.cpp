// Timing the scenes' init and frames and the empty frame, and the JSON report.
#include "bench.h"

#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "core/demo_clock.h"
#include "frame_stats.h"
#include "platform/platform.h"
#include "scenes/scene_table.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// llvmpipe draws behind the caller's back; waiting for it at the present charges each frame
// with its own drawing, as a display's swap would.
void finishedSwap(platform::DeviceContext* dc) {
  platform::real().swapBuffers(dc);
  glFinish();
}

int emptyFrame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  demoClock->endFrame();
  return 0;
}

std::vector<double> timeFrames(int (*frame)()) {
  std::vector<double> times;
  for (int i = 0; i < kBenchFrames; ++i) {
    const Clock::time_point start = Clock::now();
    frame();
    times.push_back(msSince(start));
  }
  return times;
}

void printStats(const FrameStats& s) {
  std::printf("\"median_ms\": %.3f, \"p99_ms\": %.3f, \"max_ms\": %.3f", s.median, s.p99, s.max);
}

void printRatios(const FrameStats& s, const FrameStats& empty) {
  std::printf(", \"p99_over_median\": %.2f, \"median_over_empty\": %.2f, \"p99_over_empty\": %.2f, "
              "\"max_over_empty\": %.2f",
              s.p99 / s.median, s.median / empty.median, s.p99 / empty.p99, s.max / empty.max);
}

struct SceneFigures {
  const char* name;
  double initMs;
  FrameStats frames;
};

void printReport(int width, int height, const FrameStats& empty, const std::vector<SceneFigures>& scenes) {
  std::printf("{\n  \"size\": \"%dx%d\", \"frames\": %d, \"renderer\": \"%s\",\n  \"empty\": {", width,
              height, kBenchFrames, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  printStats(empty);
  std::printf("},\n  \"scenes\": [\n");
  for (size_t i = 0; i < scenes.size(); ++i) {
    std::printf("    {\"scene\": \"%s\", \"init_ms\": %.3f, ", scenes[i].name, scenes[i].initMs);
    printStats(scenes[i].frames);
    printRatios(scenes[i].frames, empty);
    std::printf("}%s\n", i + 1 < scenes.size() ? "," : "");
  }
  std::printf("  ]\n}\n");
}

}  // namespace

int runBench(int width, int height) {
  platform::current().swapBuffers = finishedSwap;
  demoClock->restart();
  const FrameStats empty = frameStats(timeFrames(emptyFrame));
  std::vector<SceneFigures> scenes;
  for (int i = 0; i < kSceneCount; ++i) {
    const Scene& scene = kDemoScenes[i];
    const Clock::time_point start = Clock::now();
    if (scene.init() == 0) {
      std::fprintf(stderr, "tamsirel-capture: the %s scene's initialisation failed\n", scene.name);
      return 1;
    }
    glFinish();
    const double initMs = msSince(start);
    demoClock->restart();
    scenes.push_back({scene.name, initMs, frameStats(timeFrames(scene.frame))});
  }
  printReport(width, height, empty, scenes);
  return 0;
}
