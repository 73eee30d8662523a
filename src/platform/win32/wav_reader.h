// A RIFF WAVE file of plain PCM (8 or 16 bits, one or two channels, any rate) read from its data
// chunk in pieces. Compressed WAV encodings are an unknown format here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "platform/win32/pcm_format.h"

namespace platform::win32 {

class WavReader {
 public:
  // Opens `fileName`; on failure returns nullptr and sets `error` to the sound library's code.
  static std::unique_ptr<WavReader> open(const char* fileName, int* error);
  ~WavReader();
  WavReader(const WavReader&) = delete;
  WavReader& operator=(const WavReader&) = delete;

  PcmFormat format() const { return format_; }
  size_t read(uint8_t* out, size_t size);  // 0 once the data chunk is over

 private:
  WavReader(std::FILE* file, PcmFormat format, uint32_t dataLeft)
      : file_(file), format_(format), dataLeft_(dataLeft) {}
  std::FILE* file_;
  PcmFormat format_;
  uint32_t dataLeft_;
};

}  // namespace platform::win32
