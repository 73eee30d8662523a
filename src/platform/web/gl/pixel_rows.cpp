#include "platform/web/gl/pixel_rows.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace webgl_layer {

namespace {

struct Rgba {
  int r, g, b, a;
};

Rgba toRgba(const uint8_t* p, GLenum format) {
  switch (format) {
    case GL_RED: return {p[0], 0, 0, 255};
    case GL_GREEN: return {0, p[0], 0, 255};
    case GL_BLUE: return {0, 0, p[0], 255};
    case GL_ALPHA: return {0, 0, 0, p[0]};
    case GL_RGB: return {p[0], p[1], p[2], 255};
    case GL_RGBA: return {p[0], p[1], p[2], p[3]};
    case GL_LUMINANCE: return {p[0], p[0], p[0], 255};
    default: return {p[0], p[0], p[0], p[1]};  // GL_LUMINANCE_ALPHA
  }
}

void fromRgba(const Rgba& c, GLenum format, int luminance, uint8_t* out) {
  const auto put = [out](std::initializer_list<int> values) {
    uint8_t* p = out;
    for (int v : values) *p++ = static_cast<uint8_t>(v);
  };
  switch (format) {
    case GL_RED: return put({c.r});
    case GL_GREEN: return put({c.g});
    case GL_BLUE: return put({c.b});
    case GL_ALPHA: return put({c.a});
    case GL_RGB: return put({c.r, c.g, c.b});
    case GL_RGBA: return put({c.r, c.g, c.b, c.a});
    case GL_LUMINANCE: return put({luminance});
    case GL_INTENSITY: return put({luminance, luminance, luminance, luminance});
    default: return put({luminance, c.a});  // GL_LUMINANCE_ALPHA
  }
}

}  // namespace

int componentsOf(GLenum format) {
  switch (format) {
    case GL_RED:
    case GL_GREEN:
    case GL_BLUE:
    case GL_ALPHA:
    case GL_LUMINANCE:
      return 1;
    case GL_LUMINANCE_ALPHA:
      return 2;
    case GL_RGB:
      return 3;
    case GL_RGBA:
      return 4;
    default:
      return 0;
  }
}

size_t rowOffset(const PixelStore& store, GLsizei width, int components, GLsizei row) {
  const size_t rowPixels = static_cast<size_t>(store.rowLength > 0 ? store.rowLength : width);
  const size_t alignment = static_cast<size_t>(store.alignment);
  const size_t stride = (rowPixels * components + alignment - 1) / alignment * alignment;
  return (static_cast<size_t>(store.skipRows) + row) * stride +
         static_cast<size_t>(store.skipPixels) * components;
}

std::vector<uint8_t> tightCopy(const uint8_t* pixels, GLsizei width, GLsizei height,
                               int components, const PixelStore& store) {
  const size_t rowBytes = static_cast<size_t>(width) * components;
  std::vector<uint8_t> rows(rowBytes * height);
  for (GLsizei y = 0; y < height; ++y) {
    std::memcpy(rows.data() + y * rowBytes, pixels + rowOffset(store, width, components, y),
                rowBytes);
  }
  return rows;
}

void convertPixels(const uint8_t* in, GLenum from, uint8_t* out, GLenum to, size_t count,
                   bool readBack) {
  const int inSize = componentsOf(from);
  const int outSize = to == GL_INTENSITY ? 4 : componentsOf(to);
  for (size_t i = 0; i < count; ++i, in += inSize, out += outSize) {
    const Rgba c = toRgba(in, from);
    const int luminance = readBack ? std::min(255, c.r + c.g + c.b) : c.r;
    fromRgba(c, to, luminance, out);
  }
}

}  // namespace webgl_layer
