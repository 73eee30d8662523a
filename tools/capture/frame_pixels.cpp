// Reading the back buffer and writing it as PNG with libpng's simplified interface.
#include "frame_pixels.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>

void readBackBuffer(int width, int height, FramePixels* frame) {
  frame->width = width;
  frame->height = height;
  frame->rgb.resize(static_cast<size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, frame->rgb.data());
}

bool writeFramePng(const FramePixels& frame, const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(frame.width);
  image.height = static_cast<png_uint_32>(frame.height);
  image.format = PNG_FORMAT_RGB;
  // A negative stride hands libpng the bottom-first rows top row first.
  const png_int_32 stride = -static_cast<png_int_32>(frame.width * 3);
  if (png_image_write_to_file(&image, path.c_str(), 0, frame.rgb.data(), stride, nullptr) != 0) {
    return true;
  }
  std::fprintf(stderr, "tamsirel-capture: cannot write %s: %s\n", path.c_str(), image.message);
  return false;
}
