// Message boxes on standard error and the process end with its cleanup.
#include "console_platform.h"

#include <cstdio>

#include "platform/platform.h"

namespace {

void (*exitCleanup)() = nullptr;

// Nobody is there to answer: OK for a notice, No for a question (the box's safe answer).
int consoleBox(const char* text, const char* caption, platform::BoxButtons buttons,
               platform::BoxIcon, bool) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  return buttons == platform::BoxButtons::YesNo ? platform::kAnswerNo : platform::kAnswerOk;
}

void exitAfterCleanup(int status) {
  if (exitCleanup != nullptr) {
    void (*cleanup)() = exitCleanup;
    exitCleanup = nullptr;
    cleanup();
  }
  platform::real().exitProcess(status);
}

}  // namespace

void installConsoleBoxes() {
  platform::current().messageBox = consoleBox;
  platform::current().exitProcess = exitAfterCleanup;
}

void setExitCleanup(void (*abandon)()) { exitCleanup = abandon; }
