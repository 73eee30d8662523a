// Turning a BMP file's pixel data into packed RGB rows: the uncompressed depths (indexed 1, 4
// and 8 bits, 16-bit 5-5-5, 24 and 32 bits, bit-field masks on 16 and 32 bits) and the two
// run-length encodings. Every read stays inside the bytes handed in; locating those bytes and
// checking the header is the caller's job (dib_decode.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

// Colour-table entries as R, G, B; entries past the file's table stay black.
struct DibPalette {
  uint8_t rgb[256][3] = {};
};

// One channel of a bit-field pixel: `bits` contiguous bits starting at `shift`.
struct ChannelMask {
  int shift = 0;
  int bits = 0;
};

// False for a mask whose set bits are not contiguous.
bool makeChannelMask(uint32_t mask, ChannelMask* channel);

struct DibSource {
  const uint8_t* data = nullptr;  // the first byte of pixel data
  size_t available = 0;           // bytes from `data` to the end of the file
  int bitCount = 0;
  uint32_t compression = 0;
  DibPalette palette;
  ChannelMask masks[3];  // red, green, blue; bit-field files only
};

// The output: width x height packed RGB pixels, bottom row first whatever the file's order.
struct DibTarget {
  uint8_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  bool topDown = false;

  uint8_t* row(int32_t storedRow) const {
    const int32_t outputRow = topDown ? height - 1 - storedRow : storedRow;
    return pixels + static_cast<size_t>(outputRow) * static_cast<size_t>(width) * 3;
  }
};

// Whether the file holds every uncompressed row `target` needs; checked before allocating.
bool dibRowsFit(const DibSource& source, int32_t width, int32_t height);

// Both false when the pixel data end before the picture does. The RLE decoder writes only the
// pixels the stream sets, so its target must start out black.
bool convertDibRows(const DibSource& source, const DibTarget& target);
bool decodeDibRle(const DibSource& source, const DibTarget& target);
