// Test helper: decodes a whole MP3 file with libmpg123 into 16-bit PCM with the format the stream
// declares. Gapless decoding is on, so a file with a LAME tag decodes to exactly the encoded
// frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedMp3 {
  bool ok = false;
  std::string error;
  long rate = 0;
  int channels = 0;
  std::vector<int16_t> samples;  // interleaved

  long long frames() const {
    return channels ? static_cast<long long>(samples.size()) / channels : 0;
  }
};

DecodedMp3 decodeMp3(const std::string& path);
