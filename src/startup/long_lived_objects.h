// What the demo and the capture tool both make first: the three objects that live for the whole
// run, in this order: the clock, the final scene's winged flare, then the music player, whose
// construction opens "tamsirel.mp3" in the current folder (a missing file ends the run there,
// before anything is shown). Never destroyed. Also the music start the sequencer calls.
#pragma once

void createWingedFlare();

// `createFlyingObject` makes the flare; tests of the shell pass one that makes nothing.
void createLongLivedObjects(void (*createFlyingObject)() = createWingedFlare);

// Nonzero once the soundtrack plays.
int startMusic();
