// Test-side readers of the generated PNG and BMP files.
#include "pack_reader.h"

#include <png.h>

#include <fstream>
#include <iterator>

std::string assetPath(const std::string& name) {
  return std::string(TAMSIREL_ASSETS_DIR) + "/" + name;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture readPng(const std::string& path) {
  Picture p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return p;
  bool rgb8 = image.format == PNG_FORMAT_RGB;
  image.format = PNG_FORMAT_RGB;
  p.width = int(image.width);
  p.height = int(image.height);
  p.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, p.rgb.data(), 0, nullptr)) return p;
  p.bitsPerPixel = rgb8 ? 24 : 0;
  p.ok = true;
  return p;
}

namespace {
uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + size_t(i)];
  return v;
}
}  // namespace

Picture readBmp(const std::string& path) {
  Picture p;
  std::vector<uint8_t> b = fileBytes(path);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le(b, 14, 4) != 40) return p;
  uint32_t data = le(b, 10, 4);
  p.width = int(le(b, 18, 4));
  p.height = int(le(b, 22, 4));
  p.bitsPerPixel = int(le(b, 28, 2));
  p.paletteSize = int(le(b, 46, 4));
  size_t row = (size_t(p.width) * size_t(p.bitsPerPixel) + 31) / 32 * 4;
  if (b.size() < data + row * size_t(p.height)) return p;
  p.rgb.resize(size_t(p.width) * p.height * 3);
  for (int y = 0; y < p.height; ++y) {
    const uint8_t* src = &b[data + row * size_t(p.height - 1 - y)];
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* bgr;
      if (p.bitsPerPixel == 24) {
        bgr = src + x * 3;
      } else {
        int index = p.bitsPerPixel == 8 ? src[x] : (src[x / 8] >> (7 - x % 8)) & 1;
        bgr = &b[54 + size_t(index) * 4];
      }
      uint8_t* out = &p.rgb[(size_t(y) * p.width + x) * 3];
      out[0] = bgr[2], out[1] = bgr[1], out[2] = bgr[0];
    }
  }
  p.ok = true;
  return p;
}

Picture readAsset(const std::string& name) {
  return name.ends_with(".bmp") ? readBmp(assetPath(name)) : readPng(assetPath(name));
}
