// What every capture does before it draws, on any backend: boxes to the console, sound that is
// opened but never played, the virtual clock, the asset folder entered and the demo objects made.
#pragma once

#include "capture_options.h"
#include "virtual_clock.h"

// False, said on standard error, when the asset folder cannot be entered. `clock` null: the real
// one. The environment a backend needs must be set before: the demo objects start threads.
bool startCaptureDemo(const CaptureOptions& options, VirtualClock* clock);
