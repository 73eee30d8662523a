// Start-up step 8: the fullscreen display mode, or the viewer's choice of a window instead.
#pragma once

#include "platform/platform.h"

// Takes the chosen resolution at 16 bpp (or the closest depth the display offers at that
// resolution) into `style`. When the display has none, asks whether to use a window: Yes clears
// the clock's fullscreen flag and returns true; No shows "Program Will Now Close." and returns
// false.
bool switchDisplay(platform::WindowStyle* style);

// The X server keeps a fullscreen mode after the process ends, where the platform the demo was
// written for gives it back; so exits that skip shutdown (fatalError) restore it on their way out.
// Registered once; a no-op after shutdown has restored the mode.
void restoreDisplayAtExit();
