// Plays the demo's four scenes from the real asset pack on a manual clock, 40 ms a frame, and
// writes chosen frames as PNGs, so that two builds' pictures (Linux and Windows) can be compared
// file by file. Not a test by itself: compare_frames.sh runs it on both sides.
//
//   scene_frames ASSET_DIR OUT_DIR
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/demo_clock.h"
#include "gl_fixture.h"
#include "recording_platform.h"
#include "scenes/final/winged_flare.h"
#include "scenes/scene_table.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrameMs = 40;

struct Shot {
  int scene;
  int time;  // scene milliseconds, a multiple of kFrameMs
};

// The first, a middle and a late frame of each scene; the final scene's sparks need time to fly.
constexpr Shot kShots[] = {{0, 0},    {0, 10000}, {0, 20000}, {0, 45000}, {1, 0},
                           {1, 8000}, {1, 30000}, {2, 0},     {2, 6000},  {2, 15000},
                           {3, 0},    {3, 5000},  {3, 12000}, {3, 30000}};

bool playScene(int index, const std::filesystem::path& out) {
  const Scene& scene = kDemoScenes[index];
  if (scene.init() == 0) return false;
  demoClock->restart();
  int lastShot = 0;
  for (const Shot& s : kShots) {
    if (s.scene == index) lastShot = s.time;
  }
  for (int t = 0; t <= lastShot; t += kFrameMs) {
    scene.frame();  // draws with elapsed == t, then endFrame moves elapsed on to the clock
    for (const Shot& s : kShots) {
      if (s.scene != index || s.time != t) continue;
      const std::string name = std::string(scene.name) + "-" + std::to_string(t) + ".png";
      if (!testing_support::writeBackBufferPng((out / name).string().c_str(), kWidth, kHeight)) {
        return false;
      }
    }
    testing_support::manualMilliseconds += kFrameMs;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: scene_frames ASSET_DIR OUT_DIR\n");
    return 2;
  }
  const std::filesystem::path out = std::filesystem::absolute(argv[2]);
  std::filesystem::create_directories(out);
  std::filesystem::current_path(argv[1]);
  testing_support::ScopedPlatform platform;
  if (!testing_support::makeGlContext(kWidth, kHeight)) {
    std::fprintf(stderr, "scene_frames: no GL context\n");
    return 1;
  }
  demoClock = new DemoClock();
  finalscene::wingedFlare = new finalscene::WingedFlare();
  demoClock->width = kWidth;
  demoClock->height = kHeight;
  for (int i = 0; i < kSceneCount; ++i) {
    if (!playScene(i, out)) {
      std::fprintf(stderr, "scene_frames: %s failed\n", kDemoScenes[i].name);
      return 1;
    }
  }
  return 0;
}
