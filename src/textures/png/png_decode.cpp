// The libpng read: the input callbacks that hold every chunk to the length of the input, the
// transforms to 8-bit RGB, the size cap, the gamma table, and the longjmp error path.
// Everything libpng allocates is released on every path by PngReadState.
#include "textures/png/png_decode.h"

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr double kUntaggedFileGamma = 1.0 / 2.2;

void silentError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void silentWarning(png_structp, png_const_charp) {}

constexpr size_t kChunkHeaderBytes = 8;  // length, then type
constexpr uint64_t kChunkCrcBytes = 4;

// The file or the buffer being read, with its whole length known before libpng starts.
struct PngInput {
  const uint8_t* data = nullptr;  // the buffer, or null when reading `file`
  FILE* file = nullptr;
  uint64_t size = 0;
  uint64_t at = 0;  // bytes handed to libpng so far
};

// libpng allocates and clears an ancillary chunk's declared length (tEXt, zTXt, iTXt, sPLT ...)
// before it reads the data, so one flipped bit in a length field would cost gigabytes before
// the input is refused as truncated. A chunk must therefore fit in what remains, data and CRC,
// as soon as its header has been read; a file that breaks this can never be read to its end, so
// refusing it here gives what libpng would give, without the allocation. libpng reads each
// header in one call, and says so through its I/O state.
void checkChunkFits(png_structp png, const PngInput& input, png_const_bytep bytes, size_t length) {
  if ((png_get_io_state(png) & PNG_IO_MASK_LOC) != PNG_IO_CHUNK_HDR) return;
  if (length != kChunkHeaderBytes) png_error(png, "chunk header read in pieces");
  const uint64_t declared = png_get_uint_32(bytes);
  if (declared + kChunkCrcBytes > input.size - input.at) png_error(png, "chunk past the end");
}

void readFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
  if (length > input->size - input->at) png_error(png, "truncated");
  std::memcpy(out, input->data + input->at, length);
  input->at += length;
  checkChunkFits(png, *input, out, length);
}

void readFromFile(png_structp png, png_bytep out, size_t length) {
  auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
  if (length > input->size - input->at || std::fread(out, 1, length, input->file) != length) {
    png_error(png, "truncated");
  }
  input->at += length;
  checkChunkFits(png, *input, out, length);
}

// The file's length from the open stream itself, so that it is the length of what is read.
bool measureFile(FILE* file, uint64_t* size) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file);
  if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  *size = static_cast<uint64_t>(end);
  return true;
}

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

void setRgbTransforms(png_structp png, png_infop info) {
  const int colorType = png_get_color_type(png, info);
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if ((colorType & PNG_COLOR_MASK_COLOR) == 0) {
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
  }
  png_set_interlace_handling(png);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  // Checksums would stop almost every mutated input before the code worth fuzzing.
  png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
  png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
  png_read_update_info(png, info);
}

double fileGamma(png_structp png, png_infop info) {
  double gamma = 0;
  if (png_get_gAMA(png, info, &gamma) && gamma > 0 && std::isfinite(gamma)) return gamma;
  return kUntaggedFileGamma;
}

void applyGamma(double exponent, PngPixels* out) {
  uint8_t table[256];
  for (int s = 0; s < 256; ++s) {
    table[s] = static_cast<uint8_t>(std::lround(255.0 * std::pow(s / 255.0, exponent)));
  }
  const size_t count = static_cast<size_t>(out->width) * static_cast<size_t>(out->height) * 3;
  for (size_t i = 0; i < count; ++i) out->rgb[i] = table[out->rgb[i]];
}

bool allocateRows(PngReadState* state, PngPixels* out) {
  const size_t rowBytes = static_cast<size_t>(out->width) * 3;
  out->rgb.reset(new (std::nothrow) uint8_t[rowBytes * static_cast<size_t>(out->height)]);
  state->rows.reset(new (std::nothrow) png_bytep[static_cast<size_t>(out->height)]);
  if (!out->rgb || !state->rows) return false;
  for (int32_t y = 0; y < out->height; ++y) state->rows[y] = out->rgb.get() + rowBytes * y;
  return true;
}

// Returns through setjmp on any libpng error; nothing in this frame needs unwinding, since
// everything it allocates hangs off `state` and `out`.
bool readImage(PngReadState* state, double viewingGamma, PngPixels* out) {
  png_structp png = state->png;
  png_infop info = state->info;
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  png_read_info(png, info);
  const uint64_t width = png_get_image_width(png, info);
  const uint64_t height = png_get_image_height(png, info);
  if (width * height > kMaxPngPixels) return false;
  setRgbTransforms(png, info);
  if (png_get_channels(png, info) != 3 || png_get_bit_depth(png, info) != 8) return false;
  out->width = static_cast<int32_t>(width);
  out->height = static_cast<int32_t>(height);
  if (!allocateRows(state, out)) return false;
  png_read_image(png, state->rows.get());
  png_read_end(png, nullptr);
  if (viewingGamma > 0) applyGamma(1.0 / (fileGamma(png, info) * viewingGamma), out);
  return true;
}

bool finish(bool ok, PngPixels* out) {
  if (!ok) *out = PngPixels{};
  return ok;
}

}  // namespace

bool decodePngFile(const char* fileName, double viewingGamma, PngPixels* out) {
  if (fileName == nullptr) return finish(false, out);
  FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return finish(false, out);
  bool ok = false;
  PngInput input;
  input.file = file;
  if (measureFile(file, &input.size)) {
    PngReadState state;
    if (state.ready()) {
      png_set_read_fn(state.png, &input, readFromFile);
      ok = readImage(&state, viewingGamma, out);
    }
  }
  std::fclose(file);
  return finish(ok, out);
}

bool decodePngMemory(const uint8_t* data, size_t size, double viewingGamma, PngPixels* out) {
  PngReadState state;
  if (!state.ready()) return finish(false, out);
  PngInput input;
  input.data = data;
  input.size = size;
  png_set_read_fn(state.png, &input, readFromMemory);
  return finish(readImage(&state, viewingGamma, out), out);
}

double viewingGammaFromEnvironment() {
  const char* text = std::getenv("VIEWING_GAMMA");
  if (text == nullptr) return 0;
  char* end = nullptr;
  const double gamma = std::strtod(text, &end);
  if (end == text || !std::isfinite(gamma) || gamma <= 0) return 0;
  return gamma;
}
