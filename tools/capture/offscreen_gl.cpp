// The same start-up steps as the demo's window, without showing anything.
#include "offscreen_gl.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

#include "core/demo_clock.h"
#include "platform/platform.h"

namespace {

bool fail(const char* what) {
  std::fprintf(stderr, "tamsirel-capture: %s\n", what);
  return false;
}

}  // namespace

bool openOffscreenGl(int width, int height) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  platform::Platform& p = platform::current();
  if (!p.initWindowing()) return fail("no offscreen video driver");
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  platform::Window* window = p.createWindow("tamsirel-capture", style);
  if (window == nullptr) return fail("cannot create the offscreen window");
  platform::DeviceContext* dc = p.getDeviceContext(window);
  const int format = p.choosePixelFormat(dc, platform::PixelFormat{});
  if (format == 0 || !p.setPixelFormat(dc, format)) return fail("no pixel format for the window");
  platform::RenderContext* rc = p.createContext(dc);
  if (rc == nullptr || !p.makeCurrent(dc, rc)) return fail("cannot make a GL context");
  demoClock->attachWindow(window, &dc, &rc);
  demoClock->resize(width, height);
  glReadBuffer(GL_BACK);
  return true;
}
