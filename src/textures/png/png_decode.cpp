// The libpng read: transforms to 8-bit RGB, the size cap, the gamma table, the longjmp error
// path, and reading a band of rows at a time (its input is png_input.cpp). Everything libpng
// allocates is released on every path by PngReadState.
#include "textures/png/png_decode.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdlib>
#include <new>

#include "textures/png/png_input.h"

namespace {

constexpr double kUntaggedFileGamma = 1.0 / 2.2;

void silentError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void silentWarning(png_structp, png_const_charp) {}

// Owns what a read allocates, so that a longjmp out of libpng leaks nothing.
struct PngReadState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::unique_ptr<png_bytep[]> rows;

  PngReadState() {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, silentError, silentWarning);
    if (png != nullptr) info = png_create_info_struct(png);
  }
  ~PngReadState() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
  bool ready() const { return info != nullptr; }
};

// Returns the number of passes the picture is read in: 7 when it is interlaced, otherwise 1.
int setRgbTransforms(png_structp png, png_infop info) {
  const int colorType = png_get_color_type(png, info);
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) {
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
  }
  const int passes = png_set_interlace_handling(png);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  // Checksums would stop almost every mutated input before the code worth fuzzing.
  png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
  png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
  png_read_update_info(png, info);
  return passes;
}

double fileGamma(png_structp png, png_infop info) {
  double gamma = 0;
  if (png_get_gAMA(png, info, &gamma) && gamma > 0 && std::isfinite(gamma)) return gamma;
  return kUntaggedFileGamma;
}

// Rows `first` to `last` (excluded) of `out`.
void applyGamma(double exponent, int32_t first, int32_t last, PngPixels* out) {
  uint8_t table[256];
  for (int s = 0; s < 256; ++s) {
    table[s] = static_cast<uint8_t>(std::lround(255.0 * std::pow(s / 255.0, exponent)));
  }
  const size_t rowBytes = static_cast<size_t>(out->width) * 3;
  uint8_t* const end = out->rgb.get() + rowBytes * static_cast<size_t>(last);
  for (uint8_t* p = out->rgb.get() + rowBytes * static_cast<size_t>(first); p < end; ++p) {
    *p = table[*p];
  }
}

bool allocateRows(PngReadState* state, PngPixels* out) {
  const size_t rowBytes = static_cast<size_t>(out->width) * 3;
  out->rgb.reset(new (std::nothrow) uint8_t[rowBytes * static_cast<size_t>(out->height)]);
  state->rows.reset(new (std::nothrow) png_bytep[static_cast<size_t>(out->height)]);
  if (!out->rgb || !state->rows) return false;
  for (int32_t y = 0; y < out->height; ++y) state->rows[y] = out->rgb.get() + rowBytes * y;
  return true;
}

}  // namespace

// The libpng read, its input and where it stands: the pass of an interlaced picture and the next
// row of that pass. Each call into libpng returns through setjmp on any error; nothing in those
// frames needs unwinding, since everything a read allocates hangs off this and `pixels`.
struct PngBandReader::Read {
  PngInput input;  // outlives `state`, which reads from it
  PngReadState state;
  double viewingGamma = 0;
  double gammaExponent = 0;  // 0: the samples stay as stored
  PngPixels pixels;
  int passes = 1;
  int pass = 0;
  int32_t row = 0;

  bool readHeader() {
    png_structp png = state.png;
    png_infop info = state.info;
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
    png_read_info(png, info);
    const uint64_t width = png_get_image_width(png, info);
    const uint64_t height = png_get_image_height(png, info);
    if (width * height > kMaxPngPixels) return false;
    passes = setRgbTransforms(png, info);
    if (png_get_channels(png, info) != 3 || png_get_bit_depth(png, info) != 8) return false;
    pixels.width = static_cast<int32_t>(width);
    pixels.height = static_cast<int32_t>(height);
    if (viewingGamma > 0) gammaExponent = 1.0 / (fileGamma(png, info) * viewingGamma);
    return allocateRows(&state, &pixels);
  }

  // Reads `rows` rows, pass after pass, then the file's end after the last row of the last pass.
  bool readRows(int64_t rows) {
    if (setjmp(png_jmpbuf(state.png))) return false;
    readRowsOrJump(rows);
    return true;
  }

  void readRowsOrJump(int64_t rows) {
    while (rows > 0 && pass < passes) {
      const int32_t first = row;
      const int32_t last = row + static_cast<int32_t>(std::min<int64_t>(pixels.height - row, rows));
      for (; row < last; ++row) png_read_row(state.png, state.rows[row], nullptr);
      rows -= last - first;
      // Only the last pass leaves a row as it will stay.
      if (pass + 1 == passes && gammaExponent > 0) applyGamma(gammaExponent, first, last, &pixels);
      if (row == pixels.height) {
        ++pass;
        row = 0;
      }
    }
    if (pass == passes) png_read_end(state.png, nullptr);
  }
};

PngBandReader::PngBandReader() = default;
PngBandReader::~PngBandReader() = default;

bool PngBandReader::open(const char* fileName, double viewingGamma) {
  read_.reset();
  if (fileName == nullptr) return false;
  read_ = std::make_unique<Read>();
  if (!read_->input.openFile(fileName)) return fail();
  return start(viewingGamma);
}

bool PngBandReader::openMemory(const uint8_t* data, size_t size, double viewingGamma) {
  read_ = std::make_unique<Read>();
  read_->input.openMemory(data, size);
  return start(viewingGamma);
}

bool PngBandReader::start(double viewingGamma) {
  if (!read_->state.ready()) return fail();
  read_->input.feed(read_->state.png);
  read_->viewingGamma = viewingGamma;
  return read_->readHeader() || fail();
}

bool PngBandReader::fail() {
  read_.reset();
  return false;
}

bool PngBandReader::readBand(int64_t pixels) {
  if (read_ == nullptr) return false;
  if (done()) return true;
  return read_->readRows(std::max<int64_t>(1, pixels / read_->pixels.width)) || fail();
}

bool PngBandReader::done() const { return read_ == nullptr || read_->pass == read_->passes; }

bool PngBandReader::take(PngPixels* out) {
  const bool ok = read_ != nullptr && done();
  *out = ok ? std::move(read_->pixels) : PngPixels{};
  read_.reset();
  return ok;
}

namespace {

// The picture in one band; whatever fails clears `out`.
bool readWhole(PngBandReader* reader, bool opened, PngPixels* out) {
  if (opened) reader->readBand(INT64_MAX);
  return reader->take(out);
}

}  // namespace

bool decodePngFile(const char* fileName, double viewingGamma, PngPixels* out) {
  PngBandReader reader;
  return readWhole(&reader, reader.open(fileName, viewingGamma), out);
}

bool decodePngMemory(const uint8_t* data, size_t size, double viewingGamma, PngPixels* out) {
  PngBandReader reader;
  return readWhole(&reader, reader.openMemory(data, size, viewingGamma), out);
}

double viewingGammaFromEnvironment() {
  const char* text = std::getenv("VIEWING_GAMMA");
  if (text == nullptr) return 0;
  char* end = nullptr;
  const double gamma = std::strtod(text, &end);
  if (end == text || !std::isfinite(gamma) || gamma <= 0) return 0;
  return gamma;
}
