// A posted quit takes effect once the queue is empty, as the quit message does on the platform the
// demo was written for: messages already waiting are still handled, and no further step runs.
#include "shell/message_loop.h"

#include "core/sequencer.h"
#include "shell/window_proc.h"

int runMessageLoop(platform::Window* window) {
  platform::WindowMessage message;
  for (;;) {
    if (platform::current().peekMessage(&message)) {
      windowProc(window, message);
      continue;
    }
    if (quitRequest.posted) return quitRequest.exitCode;
    sequencerStep();
  }
}
