// The demo's own window and GL set-up, on the offscreen video driver and never shown.
#include "offscreen_gl.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "core/demo_clock.h"
#include "platform/platform.h"
#include "startup/gl_window.h"

void chooseOffscreenVideo() { setenv("SDL_VIDEODRIVER", "offscreen", 1); }

bool openOffscreenGl(int width, int height) {
  if (!platform::current().initWindowing()) {
    std::fprintf(stderr, "tamsirel-capture: no offscreen video driver\n");
    return false;
  }
  // Nothing to switch or give back: the capture's window is never on a display.
  demoClock->fullscreen = 0;
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  style.pixelFormat = kShellPixelFormat;
  GlTarget target;
  if (!openGlWindow("tamsirel-capture", style, &target)) return false;
  demoClock->attachWindow(target.window, &target.deviceContext, &target.renderContext);
  demoClock->resize(width, height);
  glReadBuffer(GL_BACK);
  return true;
}
