// The soundtrack's two entry points: the score rendered through the mix and the master stage to
// 16-bit PCM, and that PCM encoded to the MP3 file the demo plays.

#include "soundtrack.h"

#include "master.h"
#include "mp3_encoder.h"
#include "renderer.h"
#include "timeline.h"

std::vector<int16_t> renderSoundtrack() {
  Score score = buildScore();
  MixBuses buses(secondsToFrames(kPieceSeconds));
  renderScore(score, buses);
  return masterToPcm(buses, score.masterGain);
}

bool writeSoundtrack(const std::string& path, std::string* error) {
  return encodeMp3(renderSoundtrack(), kSoundtrackRate, path, error);
}
