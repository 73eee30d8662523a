// Sound output that opens the soundtrack exactly as the demo does (so a missing or undecodable
// file fails with the same error) but never plays it: the capture runs faster than real time,
// and the video takes the music from the file instead.
#pragma once

#include <cstdint>
#include <string>

// Also sets SDL's audio driver in the environment: call it before any thread starts.
void installSilentSound();

struct MusicStart {
  bool started = false;
  uint32_t millisecond = 0;  // the platform counter when the music was started
  std::string file;          // absolute path of the file the music player opened
};
const MusicStart& musicStart();
