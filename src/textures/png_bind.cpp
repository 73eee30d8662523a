// pngBind over our libpng decoding: decode first, then make the texture, so a file that fails
// leaves no texture object and the GL's binding as it was. Supports the modes the demo uses:
// no mipmaps or simple (picked) mipmaps, solid transparency, no information record.
#include "textures/png_bind.h"

#include <GL/gl.h>

#include <memory>
#include <new>

#include "textures/gl_unpack.h"
#include "textures/png_decode.h"
#include "textures/texture_resample.h"

namespace {

bool stretchToPowerOfTwo(PngPixels* image) {
  const int32_t width = nextPowerOfTwo(image->width);
  const int32_t height = nextPowerOfTwo(image->height);
  if (width == image->width && height == image->height) return true;
  std::unique_ptr<uint8_t[]> resized(
      new (std::nothrow) uint8_t[static_cast<size_t>(width) * static_cast<size_t>(height) * 3]);
  if (!resized) return false;
  resampleNearest(image->rgb.get(), image->width, image->height, resized.get(), width, height);
  image->rgb = std::move(resized);
  image->width = width;
  image->height = height;
  return true;
}

bool fitToGl(PngPixels* image) {
  const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (!glTakesAnySide(version, extensions) && !stretchToPowerOfTwo(image)) return false;
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  return image->width <= maxSide && image->height <= maxSide;
}

void uploadLevel(int level, int32_t width, int32_t height, const uint8_t* rgb) {
  glTexImage2D(GL_TEXTURE_2D, level, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

// Every halved level down to 1 x 1, each picked from the level above.
bool uploadPickedMipmaps(const PngPixels& image) {
  int32_t width = image.width;
  int32_t height = image.height;
  std::unique_ptr<uint8_t[]> above;
  const uint8_t* source = image.rgb.get();
  for (int level = 1; width > 1 || height > 1; ++level) {
    const int32_t halfWidth = width > 1 ? width / 2 : 1;
    const int32_t halfHeight = height > 1 ? height / 2 : 1;
    std::unique_ptr<uint8_t[]> half(
        new (std::nothrow) uint8_t[static_cast<size_t>(halfWidth) * halfHeight * 3]);
    if (!half) return false;
    resampleNearest(source, width, height, half.get(), halfWidth, halfHeight);
    uploadLevel(level, halfWidth, halfHeight, half.get());
    above = std::move(half);
    source = above.get();
    width = halfWidth;
    height = halfHeight;
  }
  return true;
}

}  // namespace

uint32_t pngBind(const char* fileName, int mipmap, int transparency, PngInfo* info, int wrap,
                 int minFilter, int magFilter) {
  if (mipmap != kPngNoMipmaps && mipmap != kPngSimpleMipmaps) return 0;
  if (transparency != kPngSolid || info != nullptr) return 0;
  PngPixels image;
  if (!decodePngFile(fileName, viewingGammaFromEnvironment(), &image)) return 0;
  if (!fitToGl(&image)) return 0;
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
  const ScopedTightUnpack unpack;
  uploadLevel(0, image.width, image.height, image.rgb.get());
  if (mipmap == kPngSimpleMipmaps && !uploadPickedMipmaps(image)) {
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &name);
    return 0;
  }
  return name;
}
