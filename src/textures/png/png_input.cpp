// The read callback libpng calls for every byte of a PNG, from a file or a buffer, and the check
// it makes on every chunk header before libpng acts on the length there.
#include "textures/png/png_input.h"

#include <cstring>

namespace {

// The length from the open stream itself, so that it is the length of what will be read.
bool measure(FILE* file, uint64_t* size) {
  if (std::fseek(file, 0, SEEK_END) != 0) return false;
  const long end = std::ftell(file);
  if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  *size = static_cast<uint64_t>(end);
  return true;
}

}  // namespace

PngInput::~PngInput() {
  if (file_ != nullptr) std::fclose(file_);
}

bool PngInput::openFile(const char* fileName) {
  file_ = std::fopen(fileName, "rb");
  return file_ != nullptr && measure(file_, &size_);
}

void PngInput::openMemory(const uint8_t* data, size_t size) {
  data_ = data;
  size_ = size;
}

void PngInput::feed(png_structp png) { png_set_read_fn(png, this, readCallback); }

void PngInput::readCallback(png_structp png, png_bytep out, size_t length) {
  static_cast<PngInput*>(png_get_io_ptr(png))->read(png, out, length);
}

void PngInput::read(png_structp png, png_bytep out, size_t length) {
  if (length > size_ - at_) png_error(png, "truncated");
  if (data_ != nullptr) {
    std::memcpy(out, data_ + at_, length);
  } else if (std::fread(out, 1, length, file_) != length) {
    png_error(png, "truncated");
  }
  at_ += length;
  checkChunkFits(png, out, length);
}

// libpng allocates and clears the declared length of a chunk it keeps whole (tEXt, zTXt, iTXt,
// sPLT, iCCP ...) before it reads the data, so one flipped bit in a length field would cost
// gigabytes before the input is refused as truncated. Such a file can never be read to its end,
// so refusing it as soon as the header is read gives what libpng would give, without the
// allocation. Image data is the exception: libpng streams it through a small buffer, and a
// band read of a picture cut short should fail where the rows run out, not before the first.
// Only libpng's I/O state tells a chunk header from the other reads. A libpng built without it
// gets no check: such a file is still refused as truncated, once libpng has made its allocation.
void PngInput::checkChunkFits(png_structp png, png_const_bytep header, size_t length) const {
#ifdef PNG_IO_STATE_SUPPORTED
  constexpr size_t kChunkHeaderBytes = 8;  // length, then type
  constexpr uint64_t kChunkCrcBytes = 4;
  constexpr png_byte kIdat[4] = {'I', 'D', 'A', 'T'};
  if ((png_get_io_state(png) & PNG_IO_MASK_LOC) != PNG_IO_CHUNK_HDR) return;
  if (length != kChunkHeaderBytes) png_error(png, "chunk header read in pieces");
  if (std::memcmp(header + 4, kIdat, sizeof kIdat) == 0) return;
  const uint64_t declared = png_get_uint_32(header);
  if (declared + kChunkCrcBytes > size_ - at_) png_error(png, "chunk runs past the end");
#else
  (void)png;
  (void)header;
  (void)length;
#endif
}
