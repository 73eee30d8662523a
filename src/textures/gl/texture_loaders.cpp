// DemoClock's texture operations: a BMP decoded and uploaded here, a PNG handed to pngBind. An
// image the worker decoded ahead goes up later (texture_uploads.h), by the time the scene first
// draws with it. A BMP that cannot be loaded ends the program; a PNG that cannot leaves 0 in its
// slot.
#include <GL/gl.h>

#include <memory>
#include <utility>
#include <vector>

#include "core/demo_clock.h"
#include "core/fatal_error.h"
#include "platform/platform.h"
#include "textures/bmp/bmp_decoder.h"
#include "textures/gl/gl_unpack.h"
#include "textures/gl/image_prefetch.h"
#include "textures/gl/png_bind.h"
#include "textures/gl/texture_uploads.h"

static_assert(sizeof(GLuint) == sizeof(uint32_t), "texture slots hold GL names directly");

namespace {

int filterOrLinear(int filter) { return filter == 0 ? GL_LINEAR : filter; }

// The picture the worker read ahead, its "Error" boxes shown now as the direct read shows them;
// otherwise read here. `ahead` tells which.
RgbImage* takeBmpImage(const char* fileName, bool* ahead) {
  platform::current().awaitFile(fileName);
  std::unique_ptr<DecodedImage> decoded = takePrefetched(fileName, ImageKind::Bmp);
  *ahead = decoded != nullptr;
  if (!decoded) return loadBmpImage(fileName);
  showBmpMessages(decoded->bmp.messages);
  return std::exchange(decoded->bmp.image, nullptr);
}

// The picture as the one level of a queued upload; the record goes, its pixels move.
std::vector<PngPixels> uploadLevels(RgbImage* image) {
  std::vector<PngPixels> levels(1);
  levels[0].width = image->width;
  levels[0].height = image->height;
  levels[0].rgb.reset(image->pixels);
  delete image;
  return levels;
}

}  // namespace

int DemoClock::loadBmpTexture(const char* fileName, int slot, int filter) {
  filter = filterOrLinear(filter);
  bool ahead = false;
  RgbImage* image = takeBmpImage(fileName, &ahead);
  if (image == nullptr) fatalError("can't load some texture");
  glGenTextures(1, &textures[slot]);
  glBindTexture(GL_TEXTURE_2D, textures[slot]);
  if (ahead) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    queueUpload(textures[slot], 3, uploadLevels(image));
    return 1;
  }
  {
    // The decoder's rows are packed; the GL's default alignment of 4 would skew odd widths.
    const ScopedTightUnpack unpack;
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels);
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  delete[] image->pixels;
  delete image;
  return 1;
}

int DemoClock::loadPngTexture(const char* fileName, int slot, int filter) {
  filter = filterOrLinear(filter);
  textures[slot] =
      bindPng(fileName, kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT, filter, filter, true);
  return 1;
}
