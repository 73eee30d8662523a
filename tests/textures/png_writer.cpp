// libpng's write side into a memory buffer.
#include "png_writer.h"

#include <png.h>

#include <cstdio>

namespace png_test {

namespace {

void appendToVector(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

void writeChunks(png_structp png, png_infop info, const PngSpec& s) {
  png_set_IHDR(png, info, s.width, s.height, s.bitDepth, s.colorType,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (size_t i = 0; i + 2 < s.palette.size(); i += 3) {
    palette.push_back({s.palette[i], s.palette[i + 1], s.palette[i + 2]});
  }
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!s.trns.empty()) {
    if (s.colorType == PNG_COLOR_TYPE_PALETTE) {
      png_set_tRNS(png, info, s.trns.data(), static_cast<int>(s.trns.size()), nullptr);
    } else {
      png_color_16 colour{};
      colour.gray = colour.red = s.trns[0];
      if (s.trns.size() >= 3) {
        colour.green = s.trns[1];
        colour.blue = s.trns[2];
      }
      png_set_tRNS(png, info, nullptr, 0, &colour);
    }
  }
  if (s.gamma > 0) png_set_gAMA(png, info, s.gamma);
  std::vector<png_text> texts(s.texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    texts[i].compression = s.texts[i].compression;
    texts[i].key = const_cast<char*>(s.texts[i].key.c_str());
    texts[i].text = const_cast<char*>(s.texts[i].text.c_str());
  }
  if (!texts.empty()) png_set_text(png, info, texts.data(), static_cast<int>(texts.size()));
  png_write_info(png, info);
}

}  // namespace

std::vector<uint8_t> encodePng(const PngSpec& s) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, appendToVector, flushNothing);
  writeChunks(png, info, s);
  const size_t rowBytes = png_get_rowbytes(png, info);
  std::vector<png_bytep> rows(s.height);
  for (uint32_t y = 0; y < s.height; ++y) {
    rows[y] = const_cast<png_bytep>(s.rows.data() + rowBytes * y);
  }
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace png_test
