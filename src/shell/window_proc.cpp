// Messages the demo does not handle have had their default handling in the platform backend
// already, so they return 0 here; the backend also keeps the screen saver and monitor power-off
// from starting while the window exists. Not here: the window's creation.
#include "shell/window_proc.h"

#include "core/demo_clock.h"

QuitRequest quitRequest;

void postQuitMessage(int exitCode) {
  quitRequest.posted = true;
  quitRequest.exitCode = exitCode;
}

int windowProc(platform::Window*, const platform::WindowMessage& message) {
  using platform::MessageKind;
  switch (message.kind) {
    case MessageKind::Size:
      demoClock->resize(message.width, message.height);
      return 0;
    case MessageKind::Activate:
      demoClock->active = message.minimised == 0 ? 1 : 0;
      return 0;
    case MessageKind::Close:
      postQuitMessage(0);
      return 0;
    case MessageKind::KeyDown:
      if (message.key == platform::kKeyEscape) postQuitMessage(0);
      return 0;
    case MessageKind::Other:
      return 0;
  }
  return 0;
}
