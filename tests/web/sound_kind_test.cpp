// What the browser backend's sound opening takes a file's first bytes for: an MPEG stream must
// not open a WAV file, nor the other way round, and a file that is neither is an unknown format
// before the browser is asked to decode it.
#include "platform/web/sound_kind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::web::SoundKind;
using platform::web::soundKindOf;

TEST(SoundKind, TellsTheKindFromTheFirstBytes) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    SoundKind kind;
  };
  const Case cases[] = {
      {"ID3v2 tag", {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0}, SoundKind::Mpeg},
      {"MPEG-1 layer III frame, 128 kbit/s, 44.1 kHz", {0xff, 0xfb, 0x90, 0x64}, SoundKind::Mpeg},
      {"MPEG-2 layer III frame", {0xff, 0xf3, 0x40, 0xc4}, SoundKind::Mpeg},
      {"reserved MPEG version", {0xff, 0xeb, 0x90, 0x64}, SoundKind::Other},
      {"reserved layer", {0xff, 0xf9, 0x90, 0x64}, SoundKind::Other},
      {"bad bitrate index", {0xff, 0xfb, 0xf0, 0x64}, SoundKind::Other},
      {"reserved sampling rate", {0xff, 0xfb, 0x9c, 0x64}, SoundKind::Other},
      {"RIFF WAVE", {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E'}, SoundKind::Wav},
      {"RIFF of another type", {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'A', 'V', 'I', ' '},
       SoundKind::Other},
      {"ID3 cut before its header ends", {'I', 'D', '3', 4}, SoundKind::Other},
      {"PNG", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, SoundKind::Other},
      {"empty", {}, SoundKind::Other},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(soundKindOf(c.bytes.data(), c.bytes.size()), c.kind) << c.what;
  }
}

}  // namespace
