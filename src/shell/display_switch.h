// Start-up step 8: the fullscreen display mode, or the viewer's choice of a window instead.
#pragma once

#include "platform/platform.h"

// Switches the display to the chosen resolution at 16 bpp (or the closest depth the display
// offers at that resolution) and takes the mode into `style`. When the display refuses, asks
// whether to use a window instead (takeWindowInstead).
bool switchDisplay(platform::WindowStyle* style);

// The question after a refused mode, whenever the refusal comes: Yes clears the clock's
// fullscreen flag and returns true; No shows "Program Will Now Close." and returns false.
bool takeWindowInstead();

// The X server keeps a fullscreen mode after the process ends, where the platform the demo was
// written for gives it back; so exits that skip shutdown (fatalError) restore it on their way out.
// Registered once; a no-op after shutdown has restored the mode.
void restoreDisplayAtExit();
