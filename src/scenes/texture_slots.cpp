#include "scenes/texture_slots.h"

#include <GL/gl.h>

int loadTextures(std::span<const TextureFile> files, TextureLoader load) {
  int slot = 0;
  for (const TextureFile& file : files) {
    if ((demoClock->*load)(file.name, slot, file.filter) == 0) return 0;
    ++slot;
  }
  return 1;
}

void bindSlot(int slot) { glBindTexture(GL_TEXTURE_2D, demoClock->textures[slot]); }
