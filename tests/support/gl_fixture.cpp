#include "gl_fixture.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace testing_support {

namespace {

struct GlTarget {
  platform::Window* window = nullptr;
  platform::DeviceContext* dc = nullptr;
  platform::RenderContext* rc = nullptr;
  int width = 0;
  int height = 0;
};

GlTarget target;
// The demo window's request: double-buffered RGBA, 16 colour and 16 depth bits.
constexpr platform::PixelFormat kPixelFormat{16, 16};

bool openWindow(int width, int height) {
  const platform::Platform& p = platform::real();
  // A window of the old size stays open until the process ends: closing the last one makes the
  // offscreen video driver unload EGL and Mesa, which keep allocations the leak checker then
  // cannot name. Only its context goes.
  if (target.window != nullptr) {
    p.makeCurrent(nullptr, nullptr);
    p.deleteContext(target.rc);
    target = GlTarget{};
  }
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  style.pixelFormat = kPixelFormat;
#ifdef _WIN32
  // The fullscreen styles without a mode switch: a frameless window's client area is its whole
  // outer size, where a framed one would lose the frame and the caption.
  style.fullscreen = true;
#endif
  target.window = p.createWindow("tamsirel test", style);
  if (target.window == nullptr) return false;
  target.dc = p.getDeviceContext(target.window);
  target.width = width;
  target.height = height;
  if (target.dc == nullptr) return false;
  const int format = p.choosePixelFormat(target.dc, kPixelFormat);
  return format != 0 && p.setPixelFormat(target.dc, format);
}

bool freshContext() {
  const platform::Platform& p = platform::real();
  if (target.rc != nullptr) {
    p.makeCurrent(nullptr, nullptr);
    p.deleteContext(target.rc);
  }
  target.rc = p.createContext(target.dc);
  return target.rc != nullptr && p.makeCurrent(target.dc, target.rc);
}

}  // namespace

bool makeGlContext(int width, int height) {
  static bool windowing = [] {
#ifndef _WIN32
    // Mesa's llvmpipe through EGL: no X server, same SDL code path as the demo's window. On
    // Windows the window is a hidden one of the demo's class with a WGL context.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
#endif
    return platform::real().initWindowing();
  }();
  if (!windowing) return false;
  if ((target.window == nullptr || target.width != width || target.height != height) &&
      !openWindow(width, height)) {
    return false;
  }
  if (!freshContext()) return false;
  glViewport(0, 0, width, height);
  glReadBuffer(GL_BACK);
  return true;
}

Rgb readPixel(int x, int y) {
  unsigned char p[4] = {0, 0, 0, 0};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2]};
}

std::vector<uint8_t> readBackBuffer(int width, int height) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

bool writeBackBufferPng(const char* path, int width, int height) {
  const std::vector<uint8_t> pixels = readBackBuffer(width, height);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // A negative stride writes the bottom-first GL rows top row first.
  const png_int_32 stride = -static_cast<png_int_32>(width * 3);
  return png_image_write_to_file(&image, path, 0, pixels.data(), stride, nullptr) != 0;
}

uint32_t makeTexture(int width, int height, const std::vector<Rgb>& texels, GLint filter) {
  std::vector<uint8_t> bytes;
  for (const Rgb& t : texels) {
    bytes.insert(bytes.end(),
                 {static_cast<uint8_t>(t.r), static_cast<uint8_t>(t.g), static_cast<uint8_t>(t.b)});
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  return name;
}

uint32_t solidTexture(Rgb colour, GLint filter) { return makeTexture(1, 1, {colour}, filter); }

void expectNear(Rgb actual, Rgb expected, int tolerance, const char* where) {
  EXPECT_LE(std::abs(actual.r - expected.r), tolerance) << where << ": red " << actual.r;
  EXPECT_LE(std::abs(actual.g - expected.g), tolerance) << where << ": green " << actual.g;
  EXPECT_LE(std::abs(actual.b - expected.b), tolerance) << where << ": blue " << actual.b;
}

void GlTest::SetUp() { ASSERT_TRUE(makeGlContext(kWidth, kHeight)) << "no offscreen GL context"; }

}  // namespace testing_support
