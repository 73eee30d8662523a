// The benchmark: on the real clock, an empty frame (clear and present) and then each scene in
// playing order, initialised as the sequencer does and drawn for a fixed number of frames, each
// frame timed to its finished present. Prints the figures as JSON on standard output.
#pragma once

constexpr int kBenchFrames = 300;

// Needs the demo objects and the GL context; returns the exit status.
int runBench(int width, int height);
