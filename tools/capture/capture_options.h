// The command line of tamsirel-capture: what to produce (single shots, every frame as PNG files
// and/or a video, or the benchmark), at what size and frame rate, from which asset folder.
// Output paths are made absolute here, before the run changes into the asset folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/scene.h"
#include "shot_plan.h"

constexpr int kMaxWidth = 3840;
constexpr int kMaxHeight = 2160;
constexpr int kMaxFps = 1000;  // beyond it frames would take no time at all

enum class CaptureMode { Shots, Stream, Bench, Help };

struct CaptureOptions {
  CaptureMode mode = CaptureMode::Help;
  std::string assets = ".";
  int width = 800;
  int height = 600;
  int fps = 60;
  std::vector<Shot> shots;
  std::string framesDir;   // empty: no frame files
  std::string videoFile;   // empty: no video
  int64_t durationMs = 0;  // Stream: virtual ms from the ocean's 0 to the end of the run
};

// Reads argv against the scene names of `scenes`; false with `error` set when they make no sense.
bool parseCaptureOptions(int argc, const char* const* argv, const Scene* scenes,
                         CaptureOptions* options, std::string* error);
const char* captureUsage();
