#include "scenes/texture_slots.h"

#include <GL/gl.h>

#include <vector>

#include "scenes/warm_up.h"
#include "textures/gl/texture_uploads.h"

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
  if (warmingUp()) {
    glBindTexture(GL_TEXTURE_2D, slotStandIn(slot));
    return;
  }
  const uint32_t name = demoClock->textures[slot];
  finishUpload(name);
  glBindTexture(GL_TEXTURE_2D, name);
}

void uploadSceneTextures() { finishQueuedUploads(); }

void endFrameAndUpload() {
  demoClock->endFrame();
  // The frame is handed over; while the rasterizer finishes it, a band of a picture goes up,
  // and one decodes where no thread does it.
  sendUploadBand();
  decodeAheadBand();
}
