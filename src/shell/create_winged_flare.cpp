// The final scene's flying object exists from start-up, before the dialog, like the clock and
// the music player; only the final scene uses it.
#include "shell/create_winged_flare.h"

#include "scenes/final/winged_flare.h"

void createWingedFlare() { wingedFlare = new WingedFlare(); }
