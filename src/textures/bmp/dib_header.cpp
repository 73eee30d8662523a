// Reading the two classic BMP header layouts into one struct, and the colour-table size rule.
#include "textures/bmp/dib_header.h"

namespace {

DibHeader readCoreHeader(const uint8_t* p) {
  DibHeader h;
  h.size = kCoreHeaderSize;
  h.width = readLe16(p + 4);
  h.height = readLe16(p + 6);
  h.planes = readLe16(p + 8);
  h.bitCount = readLe16(p + 10);
  return h;
}

DibHeader readInfoHeader(const uint8_t* p) {
  DibHeader h;
  h.size = kInfoHeaderSize;
  h.width = static_cast<int32_t>(readLe32(p + 4));
  h.height = static_cast<int32_t>(readLe32(p + 8));
  h.planes = readLe16(p + 12);
  h.bitCount = readLe16(p + 14);
  h.compression = readLe32(p + 16);
  h.imageSize = readLe32(p + 20);
  h.xPelsPerMeter = static_cast<int32_t>(readLe32(p + 24));
  h.yPelsPerMeter = static_cast<int32_t>(readLe32(p + 28));
  h.colorsUsed = readLe32(p + 32);
  h.colorsImportant = readLe32(p + 36);
  return h;
}

}  // namespace

bool readDibHeader(const uint8_t* bytes, size_t available, DibHeader* header) {
  if (available < 4) return false;
  const uint32_t size = readLe32(bytes);
  if (size != kCoreHeaderSize && size != kInfoHeaderSize) return false;
  if (available < size) return false;
  *header = size == kCoreHeaderSize ? readCoreHeader(bytes) : readInfoHeader(bytes);
  return true;
}

uint16_t countDibColors(const DibHeader& header) {
  if (header.size != kCoreHeaderSize && header.colorsUsed != 0) {
    return static_cast<uint16_t>(header.colorsUsed & 0xFFFF);
  }
  switch (header.bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

DibHeader normaliseDibHeader(const DibHeader& header, uint16_t colorCount) {
  DibHeader h = header;
  if (header.size == kCoreHeaderSize) {
    h.colorsUsed = colorCount;
    h.colorsImportant = colorCount;
  } else if (h.colorsUsed == 0) {
    h.colorsUsed = colorCount;
  }
  h.size = kInfoHeaderSize;
  return h;
}
