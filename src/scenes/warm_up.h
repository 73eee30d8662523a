// A scene's layers drawn once where nobody sees them, ahead of its init. llvmpipe builds a
// program for every new combination of GL state and texture sampling the first time it draws
// with it, milliseconds each, which would otherwise land in the scene's first frames (or in the
// frame where a layer first appears). While a WarmUp lives, the GL state is the scene's own
// (`setUpState`, as its init sets it), drawing goes to one pixel of the back buffer, which the
// next frame's clear wipes, starting from an identity model-view matrix (selected), and bindSlot
// binds a 1 x 1 stand-in with the filter `slotFiles` gives the slot, so nothing is uploaded early
// and the textures of the scene playing are not touched. All GL state comes back as it was.
#pragma once

#include <span>

#include "scenes/texture_slots.h"

class WarmUp {
 public:
  explicit WarmUp(void (*setUpState)(), std::span<const TextureFile> slotFiles = {});
  ~WarmUp();
  WarmUp(const WarmUp&) = delete;
  WarmUp& operator=(const WarmUp&) = delete;
};

// Whether a WarmUp is in force.
bool warmingUp();
// The stand-in a warm-up binds for `slot`.
unsigned slotStandIn(int slot);
// The stand-in texture for a slot drawn with `filter` (GL_NEAREST or GL_LINEAR) while warming up.
unsigned standInTexture(int filter);
