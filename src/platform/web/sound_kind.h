// What a sound file's first bytes say it is, so that opening an MPEG stream refuses a WAV file
// and the other way round, as the desktop's decoders do. Not here: decoding.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::web {

enum class SoundKind { Mpeg, Wav, Other };

// An ID3v2 tag or an MPEG audio frame header (layer I, II or III) at the start gives Mpeg; a
// RIFF file of type WAVE gives Wav.
SoundKind soundKindOf(const uint8_t* bytes, size_t size);

}  // namespace platform::web
