// Opening and starting the soundtrack through the platform's sound layer, which keeps the calls
// and error codes of the library the player was written for.
#include "audio/music_player.h"

#include "audio/sound_error_text.h"
#include "core/fatal_error.h"

MusicPlayer* musicPlayer = nullptr;

namespace {

constexpr int kMixRate = 44100;
constexpr int kSoftwareChannels = 32;
constexpr unsigned kStreamMode = 43;  // the original library's buffering mode; kept as given
constexpr int kAnyChannel = -1;

[[noreturn]] void soundFailure() {
  fatalError(soundErrorText(platform::current().soundGetError()));
}

}  // namespace

MusicPlayer::MusicPlayer(const char* name, SoundType type, int32_t first, int32_t second) {
  if (type != kSoundModule && type != kSoundMpegStream && type != kSoundWavStream) {
    fatalError("internal error: not a valid sound type");
  }
  soundType = type;
  fileName = name;
  platform::Platform& p = platform::current();
  if (!p.soundInit(kMixRate, kSoftwareChannels, 0)) soundFailure();
  if (soundType == kSoundModule) {
    song = p.musicLoadSong(fileName.c_str());
    if (song == nullptr) soundFailure();
  } else {
    stream = soundType == kSoundMpegStream ? p.streamOpenMpeg(fileName.c_str(), kStreamMode)
                                           : p.streamOpenWav(fileName.c_str(), kStreamMode);
    if (stream == nullptr) soundFailure();
  }
  // The second optional value counts only beside a nonzero first one.
  if (first != 0) {
    options[0] = first;
    options[2] = second;
  }
}

int MusicPlayer::play() {
  platform::Platform& p = platform::current();
  if (soundType == kSoundModule) return p.musicPlaySong(song) == -1 ? 0 : 1;
  return p.streamPlay(kAnyChannel, stream) == -1 ? 0 : 1;
}
