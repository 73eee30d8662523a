// The real sound layer opens and checks the file (on SDL with its dummy audio driver); starting
// a stream only notes the time.
#include "silent_sound.h"

#include <cstdlib>
#include <filesystem>

#include "platform/platform.h"

namespace {

MusicStart music;

platform::SoundStream* checkedMpeg(const char* fileName, unsigned mode) {
  platform::SoundStream* stream = platform::real().streamOpenMpeg(fileName, mode);
  if (stream != nullptr) music.file = std::filesystem::absolute(fileName).string();
  return stream;
}

platform::SoundStream* checkedWav(const char* fileName, unsigned mode) {
  platform::SoundStream* stream = platform::real().streamOpenWav(fileName, mode);
  if (stream != nullptr) music.file = std::filesystem::absolute(fileName).string();
  return stream;
}

void noteStart() {
  music.started = true;
  music.millisecond = platform::milliseconds();
}

int silentStreamPlay(int channel, platform::SoundStream* stream) {
  if (stream == nullptr) return -1;
  noteStart();
  return channel >= 0 ? channel : 0;
}

int silentSongPlay(platform::SoundSong* song) {
  if (song == nullptr) return -1;
  noteStart();
  return 1;
}

}  // namespace

void installSilentSound() {
  // No audio device is opened, whatever the environment asked for.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform::Platform& p = platform::current();
  p.streamOpenMpeg = checkedMpeg;
  p.streamOpenWav = checkedWav;
  p.streamPlay = silentStreamPlay;
  p.musicPlaySong = silentSongPlay;
}

const MusicStart& musicStart() { return music; }
