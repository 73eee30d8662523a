// Synthesises BMP files byte by byte for the decoder's tests, the fuzz seed corpus and the bench:
// either header layout, with or without the file header, any table, masks and pixel bytes.
// Nothing here checks that the result is a sensible file; lying files are the point.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace bmp_test {

using Bytes = std::vector<uint8_t>;
using Rgb = std::array<uint8_t, 3>;

struct BmpSpec {
  bool fileHeader = true;
  uint32_t headerSize = 40;  // 12, 40, or anything else for refused layouts
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<Rgb> palette;             // written as B, G, R (and a zero byte for 40-byte headers)
  std::vector<uint32_t> masks;          // written right after the header
  Bytes pixels;                         // the pixel data exactly as stored
  std::optional<uint32_t> pixelOffset;  // overrides the offset written at byte 10
};

inline void putLe(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline Bytes buildBmp(const BmpSpec& s) {
  Bytes header;
  putLe(header, s.headerSize, 4);
  if (s.headerSize == 12) {
    putLe(header, static_cast<uint32_t>(s.width), 2);
    putLe(header, static_cast<uint32_t>(s.height), 2);
    putLe(header, 1, 2);
    putLe(header, s.bitCount, 2);
  } else {
    putLe(header, static_cast<uint32_t>(s.width), 4);
    putLe(header, static_cast<uint32_t>(s.height), 4);
    putLe(header, 1, 2);
    putLe(header, s.bitCount, 2);
    putLe(header, s.compression, 4);
    putLe(header, static_cast<uint32_t>(s.pixels.size()), 4);
    putLe(header, 2835, 4);
    putLe(header, 2835, 4);
    putLe(header, s.colorsUsed, 4);
    putLe(header, 0, 4);
    while (header.size() < s.headerSize) header.push_back(0);
  }
  for (uint32_t mask : s.masks) putLe(header, mask, 4);
  for (const Rgb& c : s.palette) {
    header.insert(header.end(), {c[2], c[1], c[0]});
    if (s.headerSize != 12) header.push_back(0);
  }
  Bytes file;
  if (s.fileHeader) {
    const uint32_t offset = s.pixelOffset.value_or(static_cast<uint32_t>(14 + header.size()));
    file = {'B', 'M'};
    putLe(file, static_cast<uint32_t>(14 + header.size() + s.pixels.size()), 4);
    putLe(file, 0, 4);
    putLe(file, offset, 4);
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), s.pixels.begin(), s.pixels.end());
  return file;
}

// Rows of stored bytes, each padded with zeros to a multiple of 4.
inline Bytes paddedRows(const std::vector<Bytes>& rows) {
  Bytes out;
  for (const Bytes& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    while (out.size() % 4 != 0) out.push_back(0);
  }
  return out;
}

}  // namespace bmp_test
