// The demo window's message handling: size, activation, Escape and close. Escape and close post
// the quit that ends the message loop; the window itself is released later by shutdown.
#pragma once

#include "platform/platform.h"

// Set by postQuitMessage and read by the message loop, which leaves once the queue is empty.
struct QuitRequest {
  bool posted = false;
  int exitCode = 0;
};
extern QuitRequest quitRequest;

void postQuitMessage(int exitCode);
int windowProc(platform::Window* window, const platform::WindowMessage& message);
