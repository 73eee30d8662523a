// What libpng reads from: a file or a buffer whose whole length is known before the read
// starts, so that no chunk is taken on trust for more bytes than the input still holds. Nothing
// here decodes; png_decode.cpp does.
#pragma once

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

class PngInput {
 public:
  PngInput() = default;
  ~PngInput();
  PngInput(const PngInput&) = delete;
  PngInput& operator=(const PngInput&) = delete;

  // False when the file cannot be opened or its length cannot be learned.
  bool openFile(const char* fileName);
  // `data` must outlive the read.
  void openMemory(const uint8_t* data, size_t size);
  // Makes `png` read from this input; its errors go through png_error.
  void feed(png_structp png);

 private:
  static void readCallback(png_structp png, png_bytep out, size_t length);
  void read(png_structp png, png_bytep out, size_t length);
  void checkChunkFits(png_structp png, png_const_bytep header, size_t length) const;

  const uint8_t* data_ = nullptr;  // the buffer, or null when reading file_
  FILE* file_ = nullptr;
  uint64_t size_ = 0;
  uint64_t at_ = 0;  // bytes handed to libpng so far
};
