#include "scenes/texture_slots.h"

#include <GL/gl.h>

#include <vector>

#include "textures/deferred_uploads.h"

int loadTextures(std::span<const TextureFile> files, TextureLoader load) {
  int slot = 0;
  for (const TextureFile& file : files) {
    if ((demoClock->*load)(file.name, slot, file.filter) == 0) return 0;
    ++slot;
  }
  return 1;
}

void prefetchTextures(std::span<const TextureFile> files, ImageKind kind) {
  std::vector<ImageRequest> requests;
  for (const TextureFile& file : files) requests.push_back({file.name, kind});
  prefetchImages(requests);
}

void bindSlot(int slot) {
  uploadBeforeUse(demoClock->textures[slot]);
  glBindTexture(GL_TEXTURE_2D, demoClock->textures[slot]);
}

void endFrameAndUpload() {
  demoClock->endFrame();
  // The frame is handed over; while the rasterizer finishes it, one waiting image goes up.
  uploadOnePending();
}
