// PNG files to opaque 8-bit RGB over libpng: palette, grey, 16-bit and alpha images all come
// out as three bytes a pixel, alpha discarded. The rows stay in file order (top row first).
// libpng's errors and warnings are caught and never printed. No GL here (png_bind.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Same cap as the BMP decoder: each side at most 16384 and at most 2^26 pixels.
constexpr uint32_t kMaxPngSide = 16384;
constexpr uint64_t kMaxPngPixels = uint64_t{1} << 26;

struct PngPixels {
  int32_t width = 0;
  int32_t height = 0;
  std::unique_ptr<uint8_t[]> rgb;  // width x height x 3 bytes, top row first
};

// `viewingGamma` <= 0 leaves the samples as stored. Otherwise each sample s (0..255) becomes
// 255 * (s / 255) ^ (1 / (fileGamma * viewingGamma)), where fileGamma is the file's gAMA value
// (the encoding exponent, 0.45455 for sRGB) or 1 / 2.2 when the file has none: a viewing gamma
// of 2.2 leaves an untagged file as it is, a larger one brightens it.
bool decodePngFile(const char* fileName, double viewingGamma, PngPixels* out);
bool decodePngMemory(const uint8_t* data, size_t size, double viewingGamma, PngPixels* out);

// The same decoding a band of rows at a time, for a thread that draws frames between bands. The
// bands together give exactly what decodePngFile gives. Any failure ends the read: every later
// call answers false.
class PngBandReader {
 public:
  PngBandReader();
  ~PngBandReader();
  PngBandReader(const PngBandReader&) = delete;
  PngBandReader& operator=(const PngBandReader&) = delete;

  // Reads the header and makes room for the pixels; false when the file cannot be read, is
  // not a PNG or is too large. `data` must outlive the read.
  bool open(const char* fileName, double viewingGamma);
  bool openMemory(const uint8_t* data, size_t size, double viewingGamma);
  // Reads the next rows, about `pixels` of them and at least one row; an interlaced picture
  // goes through its rows once a pass. False when the file turns out broken.
  bool readBand(int64_t pixels);
  // Every row of every pass is read (or the read failed).
  bool done() const;
  // The picture once done; false, and `out` empty, when the read failed or is not done.
  bool take(PngPixels* out);

 private:
  struct Read;
  bool start(double viewingGamma);
  bool fail();

  std::unique_ptr<Read> read_;
};

// The display exponent from the environment variable VIEWING_GAMMA; 0 when it is unset or not
// a positive number.
double viewingGammaFromEnvironment();
