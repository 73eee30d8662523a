// Creating the clock, the flying object and the soundtrack the way the demo's start-up does.
#include "demo_objects.h"

#include "audio/music_player.h"
#include "core/demo_clock.h"

// The flying object belongs to the final scene; until that scene provides it there is nothing
// to create, as in the demo's own start-up.
#if __has_include("scenes/final/winged_flare.h")
#include "scenes/final/winged_flare.h"

namespace {
void createWingedFlare() { wingedFlare = new WingedFlare(); }
}  // namespace
#else
namespace {
void createWingedFlare() {}
}  // namespace
#endif

void createDemoObjects() {
  demoClock = new DemoClock();
  createWingedFlare();
  musicPlayer = new MusicPlayer("tamsirel.mp3", kSoundMpegStream, 0, 0);
}

int startMusic() { return musicPlayer->play(); }
