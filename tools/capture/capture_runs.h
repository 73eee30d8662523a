// The two ways a capture steps the demo: up to the last of the asked-for shots, landing the
// clock on each shot's scene time; or for a fixed length of virtual time at the regular cadence,
// handing every frame on. Both start after the session's first step.
#pragma once

#include <functional>
#include <vector>

#include "capture_options.h"
#include "capture_session.h"
#include "core/scene.h"
#include "progress.h"
#include "shot_plan.h"

// Writes the shots the current frame makes; false when one could not be written.
using ShotWriter = std::function<bool(const std::vector<Shot>&, const FrameInfo&)>;

// Reads the frame back, framed as the demo clock's letterbox says, and writes it as a PNG file
// for each shot.
ShotWriter pngShotWriter();

// The demo's own scenes from their first step up to the last of `options.shots`, each shot
// written as a PNG file; the process's exit status. The demo objects and the GL context come
// first.
int captureDemoShots(const CaptureOptions& options, VirtualClock* clock);

// False when a shot could not be drawn (its scene ends before its time) or written.
bool runShots(CaptureSession* session, VirtualClock* clock, ShotPlan* plan, const Scene* scenes,
              const ShotWriter& write, Progress* progress);

// Every frame that starts before `durationMs` of virtual time: ceil(duration x fps / 1000) of them.
bool runStream(CaptureSession* session, VirtualClock* clock, int64_t durationMs,
               const FrameHandler& onFrame, Progress* progress);

int64_t streamFrameCount(int64_t durationMs, int fps);
