// The texture table as the scenes use it: a scene's files listed in slot order with their
// filters, loaded into slots 0 onwards by its init, and bound by slot when drawing.
#pragma once

#include <span>

#include "core/demo_clock.h"

struct TextureFile {
  const char* name;
  int filter;  // GL_NEAREST or GL_LINEAR
};

using TextureLoader = int (DemoClock::*)(const char* fileName, int slot, int filter);

// Loads files[i] into slot i with `load` (DemoClock::loadPngTexture or loadBmpTexture); 0 as
// soon as a load reports failure, 1 when all are loaded.
int loadTextures(std::span<const TextureFile> files, TextureLoader load);

// Binds the texture in `slot` of the clock's table to GL_TEXTURE_2D.
void bindSlot(int slot);
