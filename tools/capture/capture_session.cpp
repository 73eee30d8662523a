// Stepping the sequencer on the virtual clock and catching each frame at its present.
#include "capture_session.h"

#include <GL/gl.h>

#include "core/demo_clock.h"
#include "platform/platform.h"

namespace {

CaptureSession* presenting = nullptr;
void (*swapAfterFrame)(platform::DeviceContext*) = nullptr;  // the swap the hook replaced

}  // namespace

CaptureSession::CaptureSession(VirtualClock* clock) : clock_(clock) {}

void CaptureSession::start(const SequencerSetup& setup) {
  presenting = this;
  swapAfterFrame = platform::current().swapBuffers;
  platform::current().swapBuffers = present;
  setupSequencer(setup);
  startTime_ = clock_->now();
  sequencerStep();
  lastState_ = sceneState;
}

int32_t CaptureSession::elapsed() const { return demoClock->elapsed; }

bool CaptureSession::step(int64_t ms, const FrameHandler& onFrame) {
  drawing_ = FrameInfo{scene_, demoClock->elapsed, framesDrawn_, sinceStart()};
  // The frame's end is set before it is drawn: endFrame reads it, and a scene initialised in the
  // same step (and the restart after it) takes no time.
  clock_->advance(ms);
  onFrame_ = &onFrame;
  refused_ = false;
  sequencerStep();
  onFrame_ = nullptr;
  ++framesDrawn_;
  // The sequencer's states are its own; a change of state is all that says a new scene began.
  if (sceneState != lastState_) {
    ++scene_;
    lastState_ = sceneState;
  }
  return !refused_;
}

void CaptureSession::present(platform::DeviceContext* dc) {
  CaptureSession* self = presenting;
  if (self->onFrame_ != nullptr && !(*self->onFrame_)(self->drawing_)) self->refused_ = true;
  swapAfterFrame(dc);
  // Offscreen, nothing throttles the swap: without waiting for each frame, llvmpipe queues
  // frame after frame and memory grows by a frame's worth of work every step.
  glFinish();
}
