// PNG and BMP writers. BMP: 14-byte file header, 40-byte header, colour table, rows padded to
// 4 bytes, bottom row first.
#include "writers.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFFu);
  put16(out, v >> 16);
}

std::vector<uint8_t> bmpHeaders(int width, int height, int bits, int colours, size_t rowBytes) {
  std::vector<uint8_t> out;
  uint32_t dataOffset = 14 + 40 + uint32_t(colours) * 4;
  uint32_t imageSize = uint32_t(rowBytes * size_t(height));
  out.push_back('B');
  out.push_back('M');
  put32(out, dataOffset + imageSize);
  put32(out, 0);
  put32(out, dataOffset);
  put32(out, 40);
  put32(out, uint32_t(width));
  put32(out, uint32_t(height));
  put16(out, 1);
  put16(out, uint32_t(bits));
  put32(out, 0);  // no compression
  put32(out, imageSize);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, uint32_t(colours));
  put32(out, 0);
  return out;
}

bool writeAll(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) return fail(error, "cannot create " + path);
  if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
    return fail(error, "cannot write " + path);
  return true;
}

size_t paddedRow(size_t bytes) { return (bytes + 3) / 4 * 4; }

// libpng's error path longjmps here, so this function keeps no C++ objects of its own.
bool encodePng(FILE* f, int width, int height, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, f);
  // The pack is downloaded to phones: the smallest files zlib makes, for the same pixels.
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool writePng(const std::string& path, const Image& image, std::string* error) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) return fail(error, "cannot create " + path);
  std::vector<uint8_t> bytes = toRgbBytes(image);
  std::vector<png_bytep> rows(size_t(image.height));
  for (int y = 0; y < image.height; ++y) rows[size_t(y)] = &bytes[size_t(y) * image.width * 3];
  if (!encodePng(f.get(), image.width, image.height, rows.data()))
    return fail(error, "libpng failed writing " + path);
  if (std::fflush(f.get()) != 0) return fail(error, "cannot write " + path);
  return true;
}

bool writeBmp24(const std::string& path, const Image& image, std::string* error) {
  size_t row = paddedRow(size_t(image.width) * 3);
  std::vector<uint8_t> out = bmpHeaders(image.width, image.height, 24, 0, row);
  for (int y = image.height - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.rgb(x, y);
      out.push_back(toByte(c.b));
      out.push_back(toByte(c.g));
      out.push_back(toByte(c.r));
    }
    out.resize(start + row, 0);
  }
  return writeAll(path, out, error);
}

bool writeBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
               const std::vector<std::array<uint8_t, 3>>& palette, std::string* error) {
  size_t row = paddedRow(size_t(width));
  std::vector<uint8_t> out = bmpHeaders(width, height, 8, 256, row);
  for (int i = 0; i < 256; ++i) {
    std::array<uint8_t, 3> c =
        i < int(palette.size()) ? palette[size_t(i)] : std::array<uint8_t, 3>{0, 0, 0};
    out.insert(out.end(), {c[2], c[1], c[0], 0});
  }
  for (int y = height - 1; y >= 0; --y) {
    size_t start = out.size();
    out.insert(out.end(), &indices[size_t(y) * width], &indices[size_t(y) * width] + width);
    out.resize(start + row, 0);
  }
  return writeAll(path, out, error);
}

bool writeBmp1(const std::string& path, const Image& grey, std::string* error) {
  size_t row = paddedRow(size_t(grey.width + 7) / 8);
  std::vector<uint8_t> out = bmpHeaders(grey.width, grey.height, 1, 2, row);
  out.insert(out.end(), {0, 0, 0, 0, 255, 255, 255, 0});
  for (int y = grey.height - 1; y >= 0; --y) {
    std::vector<uint8_t> bits(row, 0);
    for (int x = 0; x < grey.width; ++x)
      if (grey.rgb(x, y).r >= 0.5f) bits[size_t(x) / 8] |= uint8_t(0x80u >> (x % 8));
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return writeAll(path, out, error);
}
