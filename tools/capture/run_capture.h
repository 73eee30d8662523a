// A whole capture run from checked options: the demo's start-up in the asset folder with the
// capture's platform entries, then the shots, the stream or the benchmark.
#pragma once

#include "capture_options.h"

// The exit status: 0 done, 1 failed (the reason is on standard error).
int runCapture(const CaptureOptions& options);
