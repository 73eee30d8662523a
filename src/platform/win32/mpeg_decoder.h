// An MPEG audio file decoded by libmpg123 to 16-bit stereo at the output's rate (libmpg123
// resamples other rates), read in pieces by the wave output's thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/win32/pcm_format.h"

struct mpg123_handle_struct;

namespace platform::win32 {

class MpegDecoder {
 public:
  // Opens `fileName`; on failure returns nullptr and sets `error` to the sound library's code
  // (file not found, unknown file format, out of memory).
  static std::unique_ptr<MpegDecoder> open(const char* fileName, int rate, int* error);
  ~MpegDecoder();
  MpegDecoder(const MpegDecoder&) = delete;
  MpegDecoder& operator=(const MpegDecoder&) = delete;

  PcmFormat format() const { return format_; }
  // Fills up to `size` bytes; fewer only at the end of the stream (0 once it is over).
  size_t read(uint8_t* out, size_t size);

 private:
  MpegDecoder(mpg123_handle_struct* handle, PcmFormat format) : handle_(handle), format_(format) {}
  mpg123_handle_struct* handle_;
  PcmFormat format_;
};

}  // namespace platform::win32
