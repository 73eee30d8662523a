#include "startup/long_lived_objects.h"

#include "audio/music_player.h"
#include "core/demo_clock.h"
#include "scenes/final/winged_flare.h"

void createWingedFlare() { finalscene::wingedFlare = new finalscene::WingedFlare(); }

void createLongLivedObjects(void (*createFlyingObject)()) {
  demoClock = new DemoClock();
  createFlyingObject();
  musicPlayer = new MusicPlayer("tamsirel.mp3", kSoundMpegStream, 0, 0);
}

int startMusic() { return musicPlayer->play(); }
