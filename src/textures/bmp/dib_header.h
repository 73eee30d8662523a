// The bitmap header of a BMP file in the 40-byte layout, read from either of the two classic
// layouts (12 and 40 bytes), and the size of its colour table. Reading never goes past the
// bytes it is given; longer header versions are not recognised here.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitFields = 3;

// The 40-byte header's fields. `size` is the layout the file used (12 or 40) until the header
// is normalised, which makes it 40.
struct DibHeader {
  uint32_t size = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t colorsUsed = 0;
  uint32_t colorsImportant = 0;
};

// Little-endian fields of a byte buffer; the caller has checked the bounds.
inline uint16_t readLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t readLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Parses the header at `bytes`, which holds `available` bytes. False when the header size field
// is neither 12 nor 40, or the header does not fit in `available`.
bool readDibHeader(const uint8_t* bytes, size_t available, DibHeader* header);

// The number of colour-table entries the header implies: a 40-byte header's non-zero colours
// used (its low 16 bits), otherwise 2, 16 or 256 for 1, 4 or 8 bits per pixel and 0 for deeper
// pixels.
uint16_t countDibColors(const DibHeader& header);

// The header as the decoder works with it: always 40 bytes, colours used filled in.
DibHeader normaliseDibHeader(const DibHeader& header, uint16_t colorCount);
