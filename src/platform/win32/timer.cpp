// The millisecond counter: the multimedia timer, with its period raised to 1 ms for the whole run
// so the scene clock and the flare's timing step in single milliseconds rather than the default
// 10 to 16. The period is given back at exit.
// mmsystem.h needs the types windows.h declares.
#include <windows.h>

#include <mmsystem.h>

#include <cstdlib>

#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

constexpr UINT kTimerPeriodMs = 1;

void raisePeriodOnce() {
  static const bool raised = [] {
    if (timeBeginPeriod(kTimerPeriodMs) != TIMERR_NOERROR) return false;
    std::atexit([] { timeEndPeriod(kTimerPeriodMs); });
    return true;
  }();
  (void)raised;
}

}  // namespace

uint32_t milliseconds() {
  raisePeriodOnce();
  return timeGetTime();
}

}  // namespace platform::win32
