// The progress line of a long capture on standard error: frames done, frames per second of wall
// time and the time left. On a terminal it is rewritten in place; into a file or a pipe it is a
// plain line every five seconds, so a log stays readable and a short run prints only its speed.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class Progress {
 public:
  // `totalFrames` 0: the total is not known (shots) and no time left is shown.
  explicit Progress(int64_t totalFrames);
  void update(int64_t framesDone, const std::string& where);
  void finish(int64_t framesDone);
  // The last line of a stream, always shown: "200.0 s of demo in 173.2 s: 1.15x real time",
  // counted from this object's making to the call (the outputs finished).
  void reportSpeed(int64_t demoMs) const;

 private:
  using Clock = std::chrono::steady_clock;
  void print(int64_t framesDone, const std::string& where, bool last);

  int64_t total_;
  bool terminal_;
  Clock::time_point started_ = Clock::now();
  Clock::time_point lastShown_ = started_;
  bool shown_ = false;
};
