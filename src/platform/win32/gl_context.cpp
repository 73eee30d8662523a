// The window's WGL context: the device context of the window class's own DC, the pixel format
// chosen from a double-buffered RGBA descriptor, the context and its release, the buffer swap
// and its vertical sync. The handles themselves stand for the platform's opaque types; nothing
// is allocated here.
#include <windows.h>

#include <GL/gl.h>

#include <algorithm>
#include <string>

#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

HWND handle(Window* window) { return reinterpret_cast<HWND>(window); }
HDC handle(DeviceContext* dc) { return reinterpret_cast<HDC>(dc); }
HGLRC handle(RenderContext* rc) { return reinterpret_cast<HGLRC>(rc); }

// The colour bits asked are a minimum, as on the other backends. ChoosePixelFormat matches them
// as near as it can instead, so the descriptor asks for the display's own depth where that is
// deeper: a 32-bit display (every display today) gets a 32-bit format, not the one nearest a
// 16-bit request.
PIXELFORMATDESCRIPTOR descriptorFor(HDC dc, const PixelFormat& format) {
  PIXELFORMATDESCRIPTOR pfd{};
  pfd.nSize = sizeof(pfd);
  pfd.nVersion = 1;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  pfd.iPixelType = PFD_TYPE_RGBA;
  pfd.cColorBits = static_cast<BYTE>(std::max(format.colorBits, GetDeviceCaps(dc, BITSPIXEL)));
  pfd.cDepthBits = static_cast<BYTE>(format.depthBits);
  pfd.iLayerType = PFD_MAIN_PLANE;
  return pfd;
}

// An entry point of the current context's driver. wglGetProcAddress gives the generic FARPROC;
// the cast goes through void (*)(), which stands for any function type.
template <typename Function>
Function driverFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// Whether the current context's driver lists a WGL extension: in the WGL extension string where
// the driver has one, else in the GL one, where older drivers list their WGL extensions too.
bool offersExtension(HDC dc, const char* name) {
  using ArbExtensions = const char*(WINAPI*)(HDC);
  using ExtExtensions = const char*(WINAPI*)();
  const char* list = nullptr;
  if (auto arb = driverFunction<ArbExtensions>("wglGetExtensionsStringARB")) {
    list = arb(dc);
  } else if (auto ext = driverFunction<ExtExtensions>("wglGetExtensionsStringEXT")) {
    list = ext();
  } else {
    list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  }
  if (list == nullptr) return false;
  // Whole names only: one extension's name can begin another's.
  return (" " + std::string(list) + " ").find(" " + std::string(name) + " ") != std::string::npos;
}

}  // namespace

DeviceContext* getDeviceContext(Window* window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<DeviceContext*>(GetDC(handle(window)));
}

int choosePixelFormat(DeviceContext* dc, const PixelFormat& format) {
  if (dc == nullptr) return 0;
  const PIXELFORMATDESCRIPTOR pfd = descriptorFor(handle(dc), format);
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

// WGL_EXT_swap_control, looked up on the current context: WGL hands out a driver's extension
// entry points only while one of its contexts is current.
bool setSwapInterval(int interval) {
  using SwapIntervalExt = BOOL(WINAPI*)(int);
  HDC dc = wglGetCurrentDC();
  if (dc == nullptr || !offersExtension(dc, "WGL_EXT_swap_control")) return false;
  const auto swapInterval = driverFunction<SwapIntervalExt>("wglSwapIntervalEXT");
  return swapInterval != nullptr && swapInterval(interval) != FALSE;
}

}  // namespace platform::win32
