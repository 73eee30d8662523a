// The window's WGL context: the device context of the window class's own DC, the pixel format
// chosen from a double-buffered RGBA descriptor, the context and its release, the buffer swap.
// The handles themselves stand for the platform's opaque types; nothing is allocated here.
#include <windows.h>

#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

HWND handle(Window* window) { return reinterpret_cast<HWND>(window); }
HDC handle(DeviceContext* dc) { return reinterpret_cast<HDC>(dc); }
HGLRC handle(RenderContext* rc) { return reinterpret_cast<HGLRC>(rc); }

PIXELFORMATDESCRIPTOR descriptorFor(const PixelFormat& format) {
  PIXELFORMATDESCRIPTOR pfd{};
  pfd.nSize = sizeof(pfd);
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = static_cast<BYTE>(format.colorBits);
  pfd.cDepthBits = static_cast<BYTE>(format.depthBits);
  pfd.iLayerType = PFD_MAIN_PLANE;
  return pfd;
}

}  // namespace

DeviceContext* getDeviceContext(Window* window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<DeviceContext*>(GetDC(handle(window)));
}

int choosePixelFormat(DeviceContext* dc, const PixelFormat& format) {
  if (dc == nullptr) return 0;
  const PIXELFORMATDESCRIPTOR pfd = descriptorFor(format);
  return ChoosePixelFormat(handle(dc), &pfd);
}

// SetPixelFormat reads the descriptor only for metafiles; the chosen format's own one is passed.
bool setPixelFormat(DeviceContext* dc, int format) {
  if (dc == nullptr || format <= 0) return false;
  PIXELFORMATDESCRIPTOR pfd{};
  if (DescribePixelFormat(handle(dc), format, sizeof(pfd), &pfd) == 0) return false;
  return SetPixelFormat(handle(dc), format, &pfd) != 0;
}

RenderContext* createContext(DeviceContext* dc) {
  if (dc == nullptr) return nullptr;
  return reinterpret_cast<RenderContext*>(wglCreateContext(handle(dc)));
}

bool makeCurrent(DeviceContext* dc, RenderContext* rc) {
  return wglMakeCurrent(handle(dc), handle(rc)) != 0;
}

bool deleteContext(RenderContext* rc) { return rc != nullptr && wglDeleteContext(handle(rc)) != 0; }

bool releaseDeviceContext(Window* window, DeviceContext* dc) {
  return dc != nullptr && ReleaseDC(handle(window), handle(dc)) != 0;
}

void swapBuffers(DeviceContext* dc) {
  if (dc != nullptr) SwapBuffers(handle(dc));
}

}  // namespace platform::win32
