// Test doubles for the platform table: a manual millisecond clock, a record of every message box
// and display change, and a process exit that unwinds to the test instead of ending it. Install
// one for the length of a test with ScopedPlatform; the previous table comes back afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace testing_support {

// Thrown by the recording exitProcess; program code never catches it.
struct ProcessExit {
  int status;
};

struct RecordedBox {
  std::string text;
  std::string caption;
  platform::BoxButtons buttons;
  platform::BoxIcon icon;
  bool systemModal;
};

// A log of every platform call a test cares about, in order ("box:ERROR!:text", "restoreDisplay",
// "destroyWindow", ...), with the answers the next calls should give.
struct PlatformLog {
  std::vector<std::string> calls;
  std::vector<RecordedBox> boxes;
  std::vector<int> boxAnswers;  // answers for the next questions, in order; then kAnswerOk/No
};

extern uint32_t manualMilliseconds;
PlatformLog& platformLog();

// Replaces the millisecond counter with manualMilliseconds, the message box with a recorder and
// exitProcess with a ProcessExit throw. Other entries stay as they are unless a test sets them.
class ScopedPlatform {
 public:
  ScopedPlatform();
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  platform::Platform& table() { return platform::current(); }

 private:
  platform::Platform saved_;
};

}  // namespace testing_support
