#include "platform/web/sound_kind.h"

#include <cstring>

namespace platform::web {

namespace {

// Eleven sync bits, an MPEG version other than the reserved one, a layer, a bitrate index other
// than "bad" and a sampling rate index other than "reserved".
bool mpegFrameHeader(const uint8_t* b) {
  if (b[0] != 0xff || (b[1] & 0xe0) != 0xe0) return false;
  const int version = (b[1] >> 3) & 3, layer = (b[1] >> 1) & 3;
  const int bitrate = (b[2] >> 4) & 0xf, rate = (b[2] >> 2) & 3;
  return version != 1 && layer != 0 && bitrate != 0xf && rate != 3;
}

}  // namespace

SoundKind soundKindOf(const uint8_t* bytes, size_t size) {
  if (size >= 12 && std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0) {
    return SoundKind::Wav;
  }
  if (size >= 10 && std::memcmp(bytes, "ID3", 3) == 0) return SoundKind::Mpeg;
  if (size >= 4 && mpegFrameHeader(bytes)) return SoundKind::Mpeg;
  return SoundKind::Other;
}

}  // namespace platform::web
