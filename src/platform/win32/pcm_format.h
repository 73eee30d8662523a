// What a decoded sound stream hands the wave output: interleaved signed 16-bit (or unsigned
// 8-bit) PCM at a rate and a channel count.
#pragma once

namespace platform::win32 {

struct PcmFormat {
  int rate = 44100;
  int channels = 2;
  int bitsPerSample = 16;
};

}  // namespace platform::win32
