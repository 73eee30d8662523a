// SDL's offscreen video driver for the capture's window, never shown.
#include "offscreen_gl.h"

#include <cstdio>
#include <cstdlib>

#include "capture_window.h"
#include "platform/platform.h"

void chooseOffscreenVideo() { setenv("SDL_VIDEODRIVER", "offscreen", 1); }

bool openOffscreenGl(int width, int height) {
  if (!platform::current().initWindowing()) {
    std::fprintf(stderr, "tamsirel-capture: no offscreen video driver\n");
    return false;
  }
  return openCaptureWindow(width, height, false);
}
