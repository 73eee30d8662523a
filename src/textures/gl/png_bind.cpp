// pngBind over our libpng decoding: decode first (or take what the worker decoded ahead, or the
// texture object it went into before init), then make the texture, so a file that fails leaves
// no texture object and the GL's binding as it was. Supports the modes the demo uses: no mipmaps
// or simple (picked) mipmaps, solid transparency, no information record.
#include "textures/gl/png_bind.h"

#include <GL/gl.h>

#include <memory>
#include <new>
#include <vector>

#include "platform/platform.h"
#include "textures/gl/gl_unpack.h"
#include "textures/gl/image_prefetch.h"
#include "textures/gl/texture_resample.h"
#include "textures/gl/texture_uploads.h"
#include "textures/png/png_decode.h"

namespace {

bool stretchTo(PngPixels* image, int32_t width, int32_t height) {
  std::unique_ptr<uint8_t[]> resized(
      new (std::nothrow) uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * 3]);
  if (!resized) return false;
  resampleNearest(image->rgb.get(), image->width, image->height, resized.get(), width, height);
  image->rgb = std::move(resized);
  image->width = width;
  image->height = height;
  return true;
}

// False when the GL cannot take the picture; `stretched` tells whether it had to be resized.
// A picture past the GL's largest side is turned down before any stretch is paid for.
bool fitToGl(PngPixels* image, bool* stretched) {
  int32_t width = 0, height = 0;
  if (!glSidesFor(image->width, image->height, &width, &height)) return false;
  *stretched = width != image->width || height != image->height;
  return !*stretched || stretchTo(image, width, height);
}

void setWrapAndFilters(int wrap, int minFilter, int magFilter) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
}

void uploadLevel(int level, const PngPixels& pixels) {
  glTexImage2D(GL_TEXTURE_2D, level, GL_RGB, pixels.width, pixels.height, 0, GL_RGB,
               GL_UNSIGNED_BYTE, pixels.rgb.get());
}

// The file's pixels and, for picked mipmaps, its halved levels: from the worker when the file
// was decoded ahead, otherwise decoded here.
struct PngSource {
  bool ahead = false;
  bool decoded = false;
  PngPixels top;
  bool levelsPicked = false;
  std::vector<PngPixels> levels;
};

PngSource readPng(const char* fileName, ImageKind kind) {
  PngSource source;
  platform::current().awaitFile(fileName);
  if (std::unique_ptr<DecodedImage> ahead = takePrefetched(fileName, kind)) {
    source.ahead = true;
    source.decoded = ahead->pngDecoded;
    source.top = std::move(ahead->png);
    source.levelsPicked = ahead->levelsPicked;
    source.levels = std::move(ahead->levels);
    return source;
  }
  source.decoded = decodePngFile(fileName, viewingGammaFromEnvironment(), &source.top);
  return source;
}

}  // namespace

uint32_t pngBind(const char* fileName, int mipmap, int transparency, PngInfo* info, int wrap,
                 int minFilter, int magFilter) {
  return bindPng(fileName, mipmap, transparency, info, wrap, minFilter, magFilter, false);
}

uint32_t bindPng(const char* fileName, int mipmap, int transparency, PngInfo* info, int wrap,
                 int minFilter, int magFilter, bool deferIfAhead) {
  if (mipmap != kPngNoMipmaps && mipmap != kPngSimpleMipmaps) return 0;
  if (transparency != kPngSolid || info != nullptr) return 0;
  const bool withLevels = mipmap == kPngSimpleMipmaps;
  const ImageKind kind = withLevels ? ImageKind::PngWithLevels : ImageKind::Png;
  if (const GLuint sent = claimSentAhead(fileName, kind)) {
    if (!deferIfAhead) finishUpload(sent);
    glBindTexture(GL_TEXTURE_2D, sent);
    setWrapAndFilters(wrap, minFilter, magFilter);
    return sent;
  }
  PngSource image = readPng(fileName, kind);
  bool stretched = false;
  if (!image.decoded || !fitToGl(&image.top, &stretched)) return 0;
  if (withLevels && (!image.levelsPicked || stretched) &&
      !pickHalvedLevels(image.top, &image.levels)) {
    return 0;
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  setWrapAndFilters(wrap, minFilter, magFilter);
  if (image.ahead && deferIfAhead) {
    if (!withLevels) image.levels.clear();
    queueUpload(name, GL_RGB, uploadLevels(std::move(image.top), std::move(image.levels)));
    return name;
  }
  const ScopedTightUnpack unpack;
  uploadLevel(0, image.top);
  if (withLevels) {
    for (size_t i = 0; i < image.levels.size(); ++i)
      uploadLevel(static_cast<int>(i + 1), image.levels[i]);
  }
  return name;
}
