// What the setup dialog chose: resolution, colour depth and fullscreen, and whether the viewer
// cancelled. Process-wide, zero at start; the dialog sets its defaults when it opens.
#pragma once

#include <cstdint>

struct DisplaySettings {
  int32_t width = 0;
  int32_t height = 0;
  int32_t bitsPerPixel = 0;
  int32_t fullscreen = 0;
};

extern DisplaySettings displaySettings;
extern int32_t setupCancelled;
