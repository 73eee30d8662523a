#include "recording_platform.h"

namespace testing_support {

uint32_t manualMilliseconds = 0;

PlatformLog& platformLog() {
  static PlatformLog log;
  return log;
}

namespace {

uint32_t manualCounter() { return manualMilliseconds; }

int recordBox(const char* text, const char* caption, platform::BoxButtons buttons,
              platform::BoxIcon icon, bool systemModal) {
  PlatformLog& log = platformLog();
  log.boxes.push_back({text, caption, buttons, icon, systemModal});
  log.calls.push_back(std::string("box:") + caption + ":" + text);
  if (!log.boxAnswers.empty()) {
    const int answer = log.boxAnswers.front();
    log.boxAnswers.erase(log.boxAnswers.begin());
    return answer;
  }
  return buttons == platform::BoxButtons::YesNo ? platform::kAnswerNo : platform::kAnswerOk;
}

[[noreturn]] void throwExit(int status) {
  platformLog().calls.push_back("exit:" + std::to_string(status));
  throw ProcessExit{status};
}

void swallowSwap(platform::DeviceContext*) {}

}  // namespace

ScopedPlatform::ScopedPlatform() : saved_(platform::current()) {
  platformLog() = PlatformLog{};
  manualMilliseconds = 0;
  platform::Platform& table = platform::current();
  table.milliseconds = manualCounter;
  table.messageBox = recordBox;
  table.exitProcess = throwExit;
  table.swapBuffers = swallowSwap;
}

ScopedPlatform::~ScopedPlatform() { platform::current() = saved_; }

}  // namespace testing_support
