// Where the parts of a BMP file are and whether they fit in it; the pixel conversion itself is
// in dib_convert.cpp and dib_rle.cpp.
#include "textures/bmp/dib_decode.h"

#include <cstring>
#include <new>

#include "textures/bmp/dib_convert.h"
#include "textures/bmp/dib_header.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kPixelOffsetField = 10;
constexpr size_t kMaskBytes = 12;

struct DibLayout {
  DibHeader header;  // normalised
  bool fileHeader = false;
  uint64_t pixelOffset = 0;
  uint64_t tableOffset = 0;
  uint64_t maskOffset = 0;
  int entrySize = 4;
  uint16_t colorCount = 0;
};

bool hasFileHeader(const uint8_t* file, size_t size) {
  return size >= 2 && file[0] == 'B' && file[1] == 'M';
}

bool usesMasks(const DibHeader& h) { return h.compression == kCompressionBitFields; }

DibStatus locate(const uint8_t* file, size_t size, DibLayout* layout) {
  layout->fileHeader = hasFileHeader(file, size);
  const size_t headerAt = layout->fileHeader ? kFileHeaderSize : 0;
  if (size < headerAt + 4) return DibStatus::Truncated;
  DibHeader raw;
  if (!readDibHeader(file + headerAt, size - headerAt, &raw)) {
    const uint32_t headerSize = readLe32(file + headerAt);
    const bool known = headerSize == kCoreHeaderSize || headerSize == kInfoHeaderSize;
    return known ? DibStatus::Truncated : DibStatus::UnknownFormat;
  }
  layout->colorCount = countDibColors(raw);
  layout->entrySize = raw.size == kCoreHeaderSize ? 3 : 4;
  layout->header = normaliseDibHeader(raw, layout->colorCount);
  // A 40-byte bit-field header is followed by its three masks, then by any colour table.
  layout->maskOffset = headerAt + raw.size;
  layout->tableOffset = layout->maskOffset + (usesMasks(raw) ? kMaskBytes : 0);
  const uint64_t tableEnd =
      layout->tableOffset + uint64_t{layout->colorCount} * static_cast<uint64_t>(layout->entrySize);
  if (tableEnd > size) return DibStatus::Truncated;
  layout->pixelOffset =
      layout->fileHeader ? readLe32(file + kPixelOffsetField) : static_cast<uint32_t>(tableEnd);
  if (layout->pixelOffset >= size) return DibStatus::Truncated;
  return DibStatus::Ok;
}

bool depthAndCompressionAccepted(const DibHeader& h) {
  switch (h.compression) {
    case kCompressionNone:
      return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
             h.bitCount == 24 || h.bitCount == 32;
    case kCompressionRle8:
      return h.bitCount == 8;
    case kCompressionRle4:
      return h.bitCount == 4;
    case kCompressionBitFields:
      return h.bitCount == 16 || h.bitCount == 32;
    default:
      return false;
  }
}

bool sizeAccepted(const DibHeader& h) {
  const int64_t width = h.width;
  const int64_t rows = h.height < 0 ? -int64_t{h.height} : int64_t{h.height};
  return width > 0 && rows > 0 && width <= kMaxDibSide && rows <= kMaxDibSide &&
         width * rows <= kMaxDibPixels;
}

void readPalette(const uint8_t* file, const DibLayout& layout, DibPalette* palette) {
  const int entries = layout.colorCount < 256 ? layout.colorCount : 256;
  const uint8_t* entry = file + layout.tableOffset;
  for (int i = 0; i < entries; ++i, entry += layout.entrySize) {
    palette->rgb[i][0] = entry[2];
    palette->rgb[i][1] = entry[1];
    palette->rgb[i][2] = entry[0];
  }
}

// Masks are only taken from where the header puts them: inside the file and, with a file
// header, before the pixel data.
DibStatus readMasks(const uint8_t* file, size_t size, const DibLayout& layout, DibSource* source) {
  if (layout.maskOffset + kMaskBytes > size) return DibStatus::Truncated;
  if (layout.fileHeader && layout.pixelOffset < layout.maskOffset + kMaskBytes) {
    return DibStatus::Unsupported;
  }
  for (int c = 0; c < 3; ++c) {
    const uint32_t mask = readLe32(file + layout.maskOffset + 4 * c);
    if (!makeChannelMask(mask, &source->masks[c])) return DibStatus::Unsupported;
  }
  return DibStatus::Ok;
}

bool isRle(const DibSource& source) {
  return source.compression == kCompressionRle8 || source.compression == kCompressionRle4;
}

DibStatus convert(const DibSource& source, const DibTarget& target) {
  const bool ok = isRle(source) ? decodeDibRle(source, target) : convertDibRows(source, target);
  return ok ? DibStatus::Ok : DibStatus::Truncated;
}

DibStatus makeSource(const uint8_t* file, size_t size, const DibLayout& layout, DibSource* source) {
  source->data = file + layout.pixelOffset;
  source->available = size - layout.pixelOffset;
  source->bitCount = layout.header.bitCount;
  source->compression = layout.header.compression;
  readPalette(file, layout, &source->palette);
  return usesMasks(layout.header) ? readMasks(file, size, layout, source) : DibStatus::Ok;
}

// Allocates the output only once the file is known to hold every uncompressed row.
DibStatus makeImage(const DibSource& source, const DibHeader& h, RgbImage** image) {
  DibTarget target;
  target.width = h.width;
  target.topDown = h.height < 0;
  target.height = target.topDown ? -h.height : h.height;
  if (!isRle(source) && !dibRowsFit(source, target.width, target.height)) {
    return DibStatus::Truncated;
  }
  const size_t bytes = static_cast<size_t>(target.width) * static_cast<size_t>(target.height) * 3;
  target.pixels = new (std::nothrow) uint8_t[bytes];
  if (target.pixels == nullptr) return DibStatus::OutOfMemory;
  if (isRle(source)) std::memset(target.pixels, 0, bytes);  // pixels the stream skips stay black
  const DibStatus converted = convert(source, target);
  if (converted == DibStatus::Ok) {
    *image = new (std::nothrow) RgbImage{target.width, target.height, target.pixels};
    if (*image != nullptr) return DibStatus::Ok;
  }
  delete[] target.pixels;
  return converted == DibStatus::Ok ? DibStatus::OutOfMemory : converted;
}

}  // namespace

DibStatus decodeDib(const uint8_t* file, size_t size, RgbImage** image) {
  *image = nullptr;
  DibLayout layout;
  const DibStatus located = locate(file, size, &layout);
  if (located != DibStatus::Ok) return located;
  if (!depthAndCompressionAccepted(layout.header) || !sizeAccepted(layout.header)) {
    return DibStatus::Unsupported;
  }
  DibSource source;
  const DibStatus sourced = makeSource(file, size, layout, &source);
  if (sourced != DibStatus::Ok) return sourced;
  return makeImage(source, layout.header, image);
}
