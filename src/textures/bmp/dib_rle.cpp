// The BMP run-length encodings (8 bits per pixel: RLE8, 4 bits: RLE4): encoded runs, end of
// line, end of bitmap, delta and absolute runs. Pixels a run or a delta would put outside the
// picture are dropped; the stream itself is never read past its end.
#include <algorithm>

#include "textures/bmp/dib_convert.h"

namespace {

constexpr uint8_t kEscapeEndOfLine = 0;
constexpr uint8_t kEscapeEndOfBitmap = 1;
constexpr uint8_t kEscapeDelta = 2;

class RleWriter {
 public:
  RleWriter(const DibSource& source, const DibTarget& target) : s_(source), t_(target) {}

  bool finished() const { return y_ >= t_.height; }
  void endLine() {
    x_ = 0;
    ++y_;
  }
  void move(uint8_t dx, uint8_t dy) {
    x_ = std::min<int64_t>(x_ + dx, t_.width);
    y_ += dy;
  }
  void put(uint8_t index) {
    if (x_ < t_.width && y_ < t_.height) {
      const uint8_t* rgb = s_.palette.rgb[index];
      uint8_t* d = t_.row(static_cast<int32_t>(y_)) + x_ * 3;
      d[0] = rgb[0];
      d[1] = rgb[1];
      d[2] = rgb[2];
    }
    x_ = std::min<int64_t>(x_ + 1, t_.width);
  }

 private:
  const DibSource& s_;
  const DibTarget& t_;
  int64_t x_ = 0;
  int64_t y_ = 0;
};

// The i-th index of a run whose byte (or bytes, for absolute runs) start at `bytes`.
uint8_t runIndex(const uint8_t* bytes, int i, bool fourBit) {
  if (!fourBit) return bytes[i];
  const uint8_t b = bytes[i / 2];
  return i % 2 == 0 ? b >> 4 : b & 15;
}

}  // namespace

bool decodeDibRle(const DibSource& source, const DibTarget& target) {
  const bool fourBit = source.bitCount == 4;
  const uint8_t* p = source.data;
  size_t left = source.available;
  RleWriter out(source, target);
  while (!out.finished()) {
    if (left < 2) return false;
    const uint8_t count = p[0];
    const uint8_t code = p[1];
    p += 2;
    left -= 2;
    if (count > 0) {
      // An encoded run repeats one byte: one index, or two alternating 4-bit indices.
      for (int i = 0; i < count; ++i) out.put(fourBit ? runIndex(&code, i % 2, true) : code);
    } else if (code == kEscapeEndOfLine) {
      out.endLine();
    } else if (code == kEscapeEndOfBitmap) {
      return true;
    } else if (code == kEscapeDelta) {
      if (left < 2) return false;
      out.move(p[0], p[1]);
      p += 2;
      left -= 2;
    } else {
      const size_t bytes = fourBit ? (code + 1u) / 2 : code;
      const size_t padded = (bytes + 1) & ~size_t{1};  // absolute runs end on a 16-bit boundary
      if (left < padded) return false;
      for (int i = 0; i < code; ++i) out.put(runIndex(p, i, fourBit));
      p += padded;
      left -= padded;
    }
  }
  return true;
}
