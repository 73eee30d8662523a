// The demo's long-lived objects, made in the demo's order: the clock, the final scene's winged
// flare, then the music player, whose construction opens the soundtrack in the current folder
// (a missing file ends the run here, before any frame). Also the music start the sequencer calls.
#pragma once

void createDemoObjects();
int startMusic();
