// The flying object belongs to the final scene; until that scene provides it there is nothing
// to create, and the demo runs without it (the placeholder final scene does not use it).
#include "shell/create_winged_flare.h"

#if __has_include("scenes/final/winged_flare.h")
#include "scenes/final/winged_flare.h"

void createWingedFlare() { wingedFlare = new WingedFlare(); }
#else
void createWingedFlare() {}
#endif
