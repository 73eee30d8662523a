// The demo's own sequencer, scenes and clock, stepped by the capture on the virtual clock: the
// first step initialises the ocean and starts the music at no cost in time, every later step
// draws one frame of a length the caller chooses. The present hook hands each finished frame,
// still in the back buffer, to the caller with the scene time it was drawn at.
#pragma once

#include <cstdint>
#include <functional>

#include "core/sequencer.h"
#include "platform/platform.h"
#include "virtual_clock.h"

struct FrameInfo {
  int scene = 0;            // index in the playing order of the scene that drew the frame
  int32_t elapsed = 0;      // that scene's `elapsed` while it drew the frame
  int64_t index = 0;        // frames drawn before this one, counted from the ocean's first
  uint64_t sinceStart = 0;  // virtual ms from the music's start to the frame's start
};

// Called at the present, before the buffers are swapped; false stops the run (an output failed).
using FrameHandler = std::function<bool(const FrameInfo&)>;

class CaptureSession {
 public:
  explicit CaptureSession(VirtualClock* clock);

  // Installs the scenes and runs the sequencer's first step.
  void start(const SequencerSetup& setup);
  // One sequencer step whose frame ends `ms` after it starts; false when `onFrame` refused it.
  bool step(int64_t ms, const FrameHandler& onFrame);

  // The scene that draws the next frame and the `elapsed` it will draw at.
  int scene() const { return scene_; }
  int32_t elapsed() const;
  uint64_t sinceStart() const { return clock_->now() - startTime_; }
  int64_t framesDrawn() const { return framesDrawn_; }

 private:
  static void present(platform::DeviceContext* dc);

  VirtualClock* clock_;
  uint64_t startTime_ = 0;
  int scene_ = 0;
  SceneState lastState_ = 0;
  int64_t framesDrawn_ = 0;
  FrameInfo drawing_;
  const FrameHandler* onFrame_ = nullptr;
  bool refused_ = false;
};
