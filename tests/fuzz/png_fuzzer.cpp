// libFuzzer target for pngBind's decoding path (everything but the GL upload): any bytes as a
// PNG file, with and without a viewing gamma. Checksums are ignored in this build (see
// png_decode.cpp) so mutations reach the decoder. Besides libFuzzer's own mutations, some
// rewrite the length field of a chunk: a damaged length is how a file gets the decoder to
// allocate what the file does not hold, which `make fuzz` catches with its malloc limit.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "textures/png/png_decode.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

constexpr size_t kSignatureBytes = 8;
constexpr size_t kChunkHeaderBytes = 8;  // length, then type
constexpr size_t kChunkFrameBytes = 12;  // the header and the CRC around the data

uint32_t readBe32(const uint8_t* p) {
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

void writeBe32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// Where the chunk headers are, as far as the lengths can be followed inside the input.
std::vector<size_t> chunkHeaders(const uint8_t* data, size_t size) {
  std::vector<size_t> headers;
  for (size_t at = kSignatureBytes; at + kChunkHeaderBytes <= size;) {
    headers.push_back(at);
    const uint64_t next = uint64_t{at} + kChunkFrameBytes + readBe32(data + at);
    if (next > size) break;
    at = static_cast<size_t>(next);
  }
  return headers;
}

// A length a damaged or hostile file might carry: the top byte flipped, about what remains
// after the header (the data and CRC just fitting, or not), anything at all, or nothing.
uint32_t damagedLength(uint32_t length, size_t remaining, std::minstd_rand& random) {
  switch (random() % 4) {
    case 0:
      return length ^ (static_cast<uint32_t>(random() % 255 + 1) << 24);
    case 1:
      return static_cast<uint32_t>(remaining + random() % 8) - 4;
    case 2:
      return (static_cast<uint32_t>(random()) << 1) ^ static_cast<uint32_t>(random());
    default:
      return 0;
  }
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  std::minstd_rand random(seed);
  const std::vector<size_t> headers = chunkHeaders(data, size);
  if (headers.empty() || random() % 4 != 0) return LLVMFuzzerMutate(data, size, maxSize);
  const size_t at = headers[random() % headers.size()];
  const size_t remaining = size - at - kChunkHeaderBytes;
  writeBe32(data + at, damagedLength(readBe32(data + at), remaining, random));
  return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PngPixels pixels;
  const double gamma = size > 0 && (data[size - 1] & 1) ? 1.7 : 0;
  if (decodePngMemory(data, size, gamma, &pixels)) {
    const size_t bytes = static_cast<size_t>(pixels.width) * pixels.height * 3;
    volatile uint8_t sink = pixels.rgb[0];
    sink = sink + pixels.rgb[bytes - 1];
  }
  return 0;
}
