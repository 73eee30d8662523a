// Texture images that wait for the frames: a slot texture whose image was decoded ahead gets its
// texture object at init, with its wrap and filters, and its image either just before it is
// first bound to draw or earlier, one texture at the end of a frame, so that neither init nor
// any one frame carries a whole scene's upload. Nothing samples a texture before it is bound to
// draw, so the pictures are the same. Not here: decoding (image_prefetch.h) and binding by slot.
#pragma once

#include <cstdint>
#include <vector>

#include "textures/png_decode.h"

struct PendingImage {
  int internalFormat;             // as the direct upload passes it
  std::vector<PngPixels> levels;  // level 0 first, rows packed
};

// `name`'s image from now on waits in the queue.
void deferUpload(uint32_t name, PendingImage image);
// Uploads `name`'s image now if it is waiting. Leaves `name` bound when it uploaded.
void uploadBeforeUse(uint32_t name);
// Uploads every waiting image.
void uploadAllPending();
// Uploads the longest-waiting image, if any; false when none waited. Leaves the GL_TEXTURE_2D
// binding changed when it did.
bool uploadOnePending();
