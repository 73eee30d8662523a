// Reading the back buffer and writing it as PNG with libpng's simplified interface.
#include "frame_pixels.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <cstring>

#include "core/letterbox.h"

// The back buffer holds only the 4:3 picture (capture_window.cpp); the bars are put around it
// here, in memory.
void readBackBuffer(int width, int height, FramePixels* frame) {
  const PictureRect picture =
      fitLetterbox(width, height, kSceneShapeWidth, kSceneShapeHeight).picture;
  frame->width = width;
  frame->height = height;
  frame->rgb.resize(static_cast<size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, picture.width, picture.height, GL_RGB, GL_UNSIGNED_BYTE, frame->rgb.data());
  if (picture.width == width && picture.height == height) return;
  // Each row moves to its place from the last up: a row's place never lies below the rows still
  // to move, so none is overwritten before it has moved.
  uint8_t* const rgb = frame->rgb.data();
  const size_t pictureRow = static_cast<size_t>(picture.width) * 3;
  const size_t frameRow = static_cast<size_t>(width) * 3;
  const size_t left = static_cast<size_t>(picture.x) * 3;
  for (int y = picture.height - 1; y >= 0; --y) {
    std::memmove(rgb + static_cast<size_t>(y + picture.y) * frameRow + left,
                 rgb + static_cast<size_t>(y) * pictureRow, pictureRow);
  }
  for (int y = 0; y < height; ++y) {
    uint8_t* const row = rgb + static_cast<size_t>(y) * frameRow;
    if (y < picture.y || y >= picture.y + picture.height) {
      std::memset(row, 0, frameRow);
    } else {
      std::memset(row, 0, left);
      std::memset(row + left + pictureRow, 0, frameRow - left - pictureRow);
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
