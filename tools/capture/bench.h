// The benchmark: an empty frame (clear and present) and then each scene in playing order,
// warmed up and initialised as the sequencer does and drawn for a fixed number of frames, each
// frame timed on the wall clock to its finished present. A scene's warm-up layers are timed
// apart as well: the first scene's before its init, each later one's in the frames of the scene
// before, whose times include them. The scenes' own time is the virtual clock's, a fixed
// step a frame, so every run draws the same frames and a recording of one run's GL calls
// replays the frames another run timed. Prints the figures as JSON on standard output.
#pragma once

#include "virtual_clock.h"

constexpr int kBenchFrames = 300;

// Needs the demo objects, the GL context and `clock` installed; each frame ends with the table's
// swapBuffers as it stands, then waits for the drawing to finish. Returns the exit status.
int runBench(VirtualClock* clock, int width, int height);
