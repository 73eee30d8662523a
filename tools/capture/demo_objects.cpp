// Creating the clock, the flying object and the soundtrack the way the demo's start-up does.
#include "demo_objects.h"

#include "audio/music_player.h"
#include "core/demo_clock.h"
#include "scenes/final/winged_flare.h"

void createDemoObjects() {
  demoClock = new DemoClock();
  wingedFlare = new WingedFlare();
  musicPlayer = new MusicPlayer("tamsirel.mp3", kSoundMpegStream, 0, 0);
}

int startMusic() { return musicPlayer->play(); }
