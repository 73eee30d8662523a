// The soundtrack: constructing a MusicPlayer initialises the sound output and opens the file,
// ending the program with the sound layer's error text when either fails; play() starts it.
// Nothing stops, pauses or closes it: the music plays on its own until the process ends.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

// How the file is opened and played: 1 tracker module, 2 MPEG stream, 3 WAV stream.
using SoundType = int32_t;
constexpr SoundType kSoundModule = 1;
constexpr SoundType kSoundMpegStream = 2;
constexpr SoundType kSoundWavStream = 3;

class MusicPlayer {
 public:
  MusicPlayer(const char* fileName, SoundType soundType, int32_t first = 0, int32_t second = 0);

  // 1 when playback has started, 0 when the sound layer refused.
  int play();

  platform::SoundSong* song = nullptr;      // sound type 1
  platform::SoundStream* stream = nullptr;  // sound types 2 and 3
  int32_t options[3] = {0, 0, 0};           // the optional arguments; nothing reads them
  std::string fileName;
  SoundType soundType = 0;
};

extern MusicPlayer* musicPlayer;
