// The stepping loops of the shot and stream runs, and the shots written as PNG files.
#include "capture_runs.h"

#include <cstdio>
#include <string>

#include "core/demo_clock.h"
#include "frame_pixels.h"
#include "scenes/scene_table.h"
#include "startup/long_lived_objects.h"

namespace {

std::string where(const CaptureSession& session, const Scene* scenes) {
  return std::string(scenes[session.scene()].name) + " " + std::to_string(session.elapsed()) +
         " ms";
}

}  // namespace

ShotWriter pngShotWriter() {
  return [frame = FramePixels{}](const std::vector<Shot>& shots, const FrameInfo&) mutable {
    readBackBuffer(demoClock->letterbox, &frame);
    for (const Shot& shot : shots) {
      if (!writeFramePng(frame, shot.file)) return false;
    }
    return true;
  };
}

int captureDemoShots(const CaptureOptions& options, VirtualClock* clock) {
  CaptureSession session(clock);
  session.start({kDemoScenes, startMusic});
  ShotPlan plan(options.shots);
  Progress progress(0);
  const ShotWriter write = pngShotWriter();
  return runShots(&session, clock, &plan, kDemoScenes, write, &progress) ? 0 : 1;
}

bool runShots(CaptureSession* session, VirtualClock* clock, ShotPlan* plan, const Scene* scenes,
              const ShotWriter& write, Progress* progress) {
  while (!plan->done()) {
    const int scene = session->scene();
    const int32_t elapsed = session->elapsed();
    if (const Shot* missed = plan->missed(scene, elapsed)) {
      std::fprintf(stderr, "tamsirel-capture: the %s scene draws no frame at %d ms (for %s)\n",
                   scenes[missed->scene].name, missed->ms, missed->file.c_str());
      return false;
    }
    const std::vector<Shot> due = plan->takeDue(scene, elapsed);
    const int64_t ms = plan->stepFor(scene, elapsed, clock->regularStep());
    const FrameHandler handler = [&](const FrameInfo& info) {
      return due.empty() || write(due, info);
    };
    if (!session->step(ms, handler)) return false;
    progress->update(session->framesDrawn(), where(*session, scenes));
  }
  progress->finish(session->framesDrawn());
  return true;
}

int64_t streamFrameCount(int64_t durationMs, int fps) { return (durationMs * fps + 999) / 1000; }

bool runStream(CaptureSession* session, VirtualClock* clock, int64_t durationMs,
               const FrameHandler& onFrame, Progress* progress) {
  while (static_cast<int64_t>(session->sinceStart()) < durationMs) {
    if (!session->step(clock->regularStep(), onFrame)) return false;
    progress->update(session->framesDrawn(), std::to_string(session->sinceStart() / 1000) + " s");
  }
  progress->finish(session->framesDrawn());
  return true;
}
