// The real sound layer (SDL2_mixer with SDL's dummy output on Linux, waveOut on Windows): the
// error codes the music player turns into the viewer's message, for files this test writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

void put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, uint32_t v) {
  put16(out, uint16_t(v & 0xFFFF));
  put16(out, uint16_t(v >> 16));
}

// A tenth of a second of 16-bit stereo silence at 44100 Hz.
void writeWav(const fs::path& path) {
  const uint32_t frames = 4410, bytes = frames * 4;
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put32(out, 36 + bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);
  put16(out, 2);
  put32(out, 44100);
  put32(out, 44100 * 4);
  put16(out, 4);
  put16(out, 16);
  out.write("data", 4);
  put32(out, bytes);
  const std::vector<char> silence(bytes, 0);
  out.write(silence.data(), silence.size());
}

void writeText(const fs::path& path) { std::ofstream(path) << "not a sound at all\n"; }

}  // namespace

// One test: the output is initialised once per process, and the calls before it come first.
TEST(MixerSound, ReportsTheSoundLibrarysErrorCodes) {
  const fs::path dir = fs::temp_directory_path() / ("tamsirel-mixer-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  writeWav(dir / "tone.wav");
  writeText(dir / "notes.mp3");
  const std::string wav = (dir / "tone.wav").string();
  const std::string text = (dir / "notes.mp3").string();
  const std::string missing = (dir / "missing.mp3").string();
  const platform::Platform& p = platform::real();

  EXPECT_EQ(p.streamOpenMpeg(wav.c_str(), 43), nullptr);
  EXPECT_EQ(p.soundGetError(), 2) << "before init";
  EXPECT_EQ(p.streamPlay(-1, nullptr), -1);

  ASSERT_TRUE(p.soundInit(44100, 32, 0)) << "SDL_AUDIODRIVER=dummy must give an output";
  EXPECT_EQ(p.soundGetError(), platform::kSoundNoError);

  struct Case {
    const std::string* file;
    bool asWav;
    int error;
  };
  const Case cases[] = {
      {&missing, false, platform::kSoundFileNotFound},
      {&text, false, platform::kSoundUnknownFormat},
      {&wav, false, platform::kSoundUnknownFormat},  // not MPEG audio
      {&text, true, platform::kSoundUnknownFormat},
  };
  for (const Case& c : cases) {
    platform::SoundStream* s =
        c.asWav ? p.streamOpenWav(c.file->c_str(), 43) : p.streamOpenMpeg(c.file->c_str(), 43);
    EXPECT_EQ(s, nullptr) << *c.file;
    EXPECT_EQ(p.soundGetError(), c.error) << *c.file;
  }

  platform::SoundStream* stream = p.streamOpenWav(wav.c_str(), 43);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(p.soundGetError(), platform::kSoundNoError);
  EXPECT_EQ(p.streamPlay(-1, stream), 0);
  EXPECT_EQ(p.soundInit(44100, 32, 0), false) << "a second init";
  EXPECT_EQ(p.soundGetError(), 1);
  // The playing stream keeps its file open; where that forbids removing it (Windows), the
  // folder stays behind in the temporary directory.
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}
