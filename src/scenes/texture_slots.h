// The texture table as the scenes use it: a scene's files listed in slot order with their
// filters, decoded ahead, loaded into slots 0 onwards by its init, and bound by slot when
// drawing. A picture decoded ahead goes up in bands at the ends of frames (texture_uploads.h):
// a PNG in the frames of the scene before, any other after init, all of it before its first use.
#pragma once

#include <span>

#include "core/demo_clock.h"
#include "textures/gl/image_prefetch.h"

struct TextureFile {
  const char* name;
  int filter;  // GL_NEAREST or GL_LINEAR
};

using TextureLoader = int (DemoClock::*)(const char* fileName, int slot, int filter);

// Loads files[i] into slot i with `load` (DemoClock::loadPngTexture or loadBmpTexture); 0 as
// soon as a load reports failure, 1 when all are loaded.
int loadTextures(std::span<const TextureFile> files, TextureLoader load);

// Queues the files for decoding ahead of loadTextures, as `kind` images.
void prefetchTextures(std::span<const TextureFile> files, ImageKind kind);

// Binds the texture in `slot` of the clock's table to GL_TEXTURE_2D, its image uploaded first if
// it was still waiting; while a WarmUp lives, the warm-up's stand-in instead.
void bindSlot(int slot);

// For a scene whose first frame draws with every one of its textures: the images go up now,
// where they cost what they would cost in that frame.
void uploadSceneTextures();

// The clock's endFrame, then a band of a picture decoded ahead going up, of this scene or the
// next, and, where no thread decodes ahead, a band of the next scene's pictures decoding: how
// every frame of every scene ends.
void endFrameAndUpload();
