// Uncompressed BMP rows to packed RGB, one converter per depth. The 24-bit path is the common
// one and is kept to a plain swizzle the compiler can vectorise.
#include "textures/bmp/dib_convert.h"

#include <bit>

#include "textures/bmp/dib_header.h"

namespace {

// Widens a channel of `bits` bits to 8 by repeating its top bits (5 bits: (v << 3) | (v >> 2)).
uint8_t widenChannel(uint32_t value, int bits) {
  if (bits == 0) return 0;
  if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
  uint32_t out = 0;
  for (int position = 8 - bits; position > -bits; position -= bits) {
    out |= position >= 0 ? value << position : value >> -position;
  }
  return static_cast<uint8_t>(out);
}

void convertIndexed(const uint8_t* src, int32_t width, const DibSource& s, uint8_t* dst) {
  const int bits = s.bitCount;
  const int perByte = 8 / bits;
  const unsigned indexMask = (1u << bits) - 1;
  for (int32_t x = 0; x < width; ++x) {
    const int shift = 8 - bits * (x % perByte + 1);
    const uint8_t* rgb = s.palette.rgb[(src[x / perByte] >> shift) & indexMask];
    dst[0] = rgb[0];
    dst[1] = rgb[1];
    dst[2] = rgb[2];
    dst += 3;
  }
}

void convertIndexed8(const uint8_t* src, int32_t width, const DibSource& s, uint8_t* dst) {
  for (int32_t x = 0; x < width; ++x, dst += 3) {
    const uint8_t* rgb = s.palette.rgb[src[x]];
    dst[0] = rgb[0];
    dst[1] = rgb[1];
    dst[2] = rgb[2];
  }
}

void convertRgb555(const uint8_t* src, int32_t width, const DibSource&, uint8_t* dst) {
  for (int32_t x = 0; x < width; ++x, src += 2, dst += 3) {
    const uint16_t v = readLe16(src);
    dst[0] = widenChannel((v >> 10) & 31, 5);
    dst[1] = widenChannel((v >> 5) & 31, 5);
    dst[2] = widenChannel(v & 31, 5);
  }
}

void convertBitFields(const uint8_t* src, int32_t width, const DibSource& s, uint8_t* dst) {
  const int step = s.bitCount / 8;
  for (int32_t x = 0; x < width; ++x, src += step, dst += 3) {
    const uint32_t v = step == 2 ? readLe16(src) : readLe32(src);
    for (int c = 0; c < 3; ++c) {
      const ChannelMask& m = s.masks[c];
      const uint32_t field = m.bits == 0 ? 0 : (v >> m.shift) & (0xFFFFFFFFu >> (32 - m.bits));
      dst[c] = widenChannel(field, m.bits);
    }
  }
}

void convertBgr24(const uint8_t* src, int32_t width, const DibSource&, uint8_t* dst) {
  for (int32_t x = 0; x < width; ++x, src += 3, dst += 3) {
    dst[0] = src[2];
    dst[1] = src[1];
    dst[2] = src[0];
  }
}

void convertBgrx32(const uint8_t* src, int32_t width, const DibSource&, uint8_t* dst) {
  for (int32_t x = 0; x < width; ++x, src += 4, dst += 3) {
    dst[0] = src[2];
    dst[1] = src[1];
    dst[2] = src[0];
  }
}

using RowConverter = void (*)(const uint8_t*, int32_t, const DibSource&, uint8_t*);

RowConverter pickConverter(const DibSource& s) {
  if (s.compression == kCompressionBitFields) return convertBitFields;
  switch (s.bitCount) {
    case 1:
    case 4:
      return convertIndexed;
    case 8:
      return convertIndexed8;
    case 16:
      return convertRgb555;
    case 24:
      return convertBgr24;
    case 32:
      return convertBgrx32;
    default:
      return nullptr;
  }
}

}  // namespace

bool makeChannelMask(uint32_t mask, ChannelMask* channel) {
  if (mask == 0) {
    *channel = ChannelMask{};
    return true;
  }
  const int shift = std::countr_zero(mask);
  const uint32_t field = mask >> shift;
  if ((field & (field + 1)) != 0) return false;
  *channel = ChannelMask{shift, std::popcount(field)};
  return true;
}

namespace {

uint64_t rowStride(const DibSource& source, int32_t width) {
  return (static_cast<uint64_t>(width) * source.bitCount + 31) / 32 * 4;
}

}  // namespace

bool dibRowsFit(const DibSource& source, int32_t width, int32_t height) {
  const uint64_t rowBytes = (static_cast<uint64_t>(width) * source.bitCount + 7) / 8;
  // The last row's padding may be missing from the file; its pixels may not.
  const uint64_t needed = rowStride(source, width) * static_cast<uint64_t>(height - 1) + rowBytes;
  return needed <= source.available;
}

bool convertDibRows(const DibSource& source, const DibTarget& target) {
  const RowConverter convert = pickConverter(source);
  if (convert == nullptr || !dibRowsFit(source, target.width, target.height)) return false;
  const uint64_t stride = rowStride(source, target.width);
  for (int32_t r = 0; r < target.height; ++r) {
    convert(source.data + stride * static_cast<uint64_t>(r), target.width, source, target.row(r));
  }
  return true;
}
