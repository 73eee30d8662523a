// Reading the back buffer and writing it as PNG with libpng's simplified interface.
#include "frame_pixels.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <cstring>

#include "core/letterbox.h"

// The buffer may hold less than the frame (a capture's holds the 4:3 picture alone): the rest is
// the bars, put around it here, in memory.
void readBackBuffer(const Letterbox& letterbox, FramePixels* frame) {
  const PictureRect& buffer = letterbox.buffer();
  const int width = letterbox.surfaceWidth();
  const int height = letterbox.surfaceHeight();
  frame->width = width;
  frame->height = height;
  frame->rgb.resize(static_cast<size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, buffer.width, buffer.height, GL_RGB, GL_UNSIGNED_BYTE, frame->rgb.data());
  if (buffer.width == width && buffer.height == height) return;
  // Each row moves to its place from the last up: a row's place never lies below the rows still
  // to move, so none is overwritten before it has moved.
  uint8_t* const rgb = frame->rgb.data();
  const size_t bufferRow = static_cast<size_t>(buffer.width) * 3;
  const size_t frameRow = static_cast<size_t>(width) * 3;
  const size_t left = static_cast<size_t>(buffer.x) * 3;
  for (int y = buffer.height - 1; y >= 0; --y) {
    std::memmove(rgb + static_cast<size_t>(y + buffer.y) * frameRow + left,
                 rgb + static_cast<size_t>(y) * bufferRow, bufferRow);
  }
  for (int y = 0; y < height; ++y) {
    uint8_t* const row = rgb + static_cast<size_t>(y) * frameRow;
    if (y < buffer.y || y >= buffer.y + buffer.height) {
      std::memset(row, 0, frameRow);
    } else {
      std::memset(row, 0, left);
      std::memset(row + left + bufferRow, 0, frameRow - left - bufferRow);
    }
  }
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
