// The capture's millisecond counter: a 64-bit virtual time that only the capture loop moves, one
// frame step at a time, so every timer of the program (the scene clock and the flare's own) sees
// the same frame-exact time on every run. The program reads it cut to 32 bits, as the real one.
#pragma once

#include <cstdint>

class VirtualClock {
 public:
  explicit VirtualClock(int fps);

  // The next frame's length in whole milliseconds: 1000 / fps with the remainder carried, so
  // n frames always span floor(n x 1000 / fps) milliseconds (16, 17, 17, ... at 60 fps).
  int64_t regularStep() const;
  // Moves the time on by `ms` (a regular step or a shortened one); either way one frame of the
  // cadence is used up, so the steps after a shortened one keep their places.
  void advance(int64_t ms);
  uint64_t now() const { return now_; }

 private:
  int fps_;
  int64_t framesStepped_ = 0;
  uint64_t now_ = 0;
};

// Makes `clock` the platform's millisecond counter until the process ends.
void installVirtualClock(VirtualClock* clock);
