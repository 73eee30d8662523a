#include "startup/gl_window.h"

#include "core/demo_clock.h"
#include "startup/window_error_box.h"

namespace {

bool fail(GlTarget* target, const char* text) {
  demoClock->shutdown(target->window, target->deviceContext, nullptr);
  windowErrorBox(text);
  return false;
}

}  // namespace

bool setUpGlContext(GlTarget* target) {
  platform::Platform& p = platform::current();
  target->deviceContext = p.getDeviceContext(target->window);
  if (target->deviceContext == nullptr) return fail(target, "Can't Create A GL Device Context.");
  const int format = p.choosePixelFormat(target->deviceContext, kShellPixelFormat);
  if (format == 0) return fail(target, "Can't Find A Suitable PixelFormat.");
  if (!p.setPixelFormat(target->deviceContext, format))
    return fail(target, "Can't Set The PixelFormat.");
  target->renderContext = p.createContext(target->deviceContext);
  if (target->renderContext == nullptr) return fail(target, "Can't Create A GL Rendering Context.");
  if (!p.makeCurrent(target->deviceContext, target->renderContext)) {
    return fail(target, "Can't Activate The GL Rendering Context.");
  }
  return true;
}

bool openGlWindow(const char* title, const platform::WindowStyle& style, GlTarget* target) {
  target->window = platform::current().createWindow(title, style);
  if (target->window == nullptr) {
    windowErrorBox("Window Creation Error.");
    return false;
  }
  return setUpGlContext(target);
}
