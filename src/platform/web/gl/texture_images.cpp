// glTexImage2D, glTexSubImage2D and glPixelStorei. WebGL 2 takes an unsized internal format only
// when it equals the pixels' format, so each GL 1.1 internal format (1 to 4, the symbolic and the
// sized ones) is held in the WebGL format of its base, and pixels given in another format are
// converted first. Every component is stored in 8 bits. Only GL_UNSIGNED_BYTE pixels, no borders,
// no proxy textures.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/pixel_rows.h"
#include "platform/web/gl/renderer.h"
#include "platform/web/gl/textures.h"

namespace webgl_layer {

namespace {

GLenum baseFormatOf(GLint internalFormat) {
  switch (internalFormat) {
    case 1: case GL_LUMINANCE: case GL_LUMINANCE4: case GL_LUMINANCE8: case GL_LUMINANCE12:
    case GL_LUMINANCE16:
      return GL_LUMINANCE;
    case 2: case GL_LUMINANCE_ALPHA: case GL_LUMINANCE4_ALPHA4: case GL_LUMINANCE6_ALPHA2:
    case GL_LUMINANCE8_ALPHA8: case GL_LUMINANCE12_ALPHA4: case GL_LUMINANCE12_ALPHA12:
    case GL_LUMINANCE16_ALPHA16:
      return GL_LUMINANCE_ALPHA;
    case 3: case GL_RGB: case GL_R3_G3_B2: case GL_RGB4: case GL_RGB5: case GL_RGB8:
    case GL_RGB10: case GL_RGB12: case GL_RGB16:
      return GL_RGB;
    case 4: case GL_RGBA: case GL_RGBA2: case GL_RGBA4: case GL_RGB5_A1: case GL_RGBA8:
    case GL_RGB10_A2: case GL_RGBA12: case GL_RGBA16:
      return GL_RGBA;
    case GL_ALPHA: case GL_ALPHA4: case GL_ALPHA8: case GL_ALPHA12: case GL_ALPHA16:
      return GL_ALPHA;
    case GL_INTENSITY: case GL_INTENSITY4: case GL_INTENSITY8: case GL_INTENSITY12:
    case GL_INTENSITY16:
      return GL_INTENSITY;
    default:
      return 0;
  }
}

// The WebGL format a base format is held in. WebGL samples luminance as (L, L, L, 1); an alpha
// texture held as luminance 1 with its alpha, and an intensity one as RGBA all equal, give under
// GL_MODULATE exactly what GL 1.1 gives for them.
GLenum storageOf(GLenum base) {
  if (base == GL_ALPHA) return GL_LUMINANCE_ALPHA;
  if (base == GL_INTENSITY) return GL_RGBA;
  return base;
}

// Pixels as WebGL is to read them: the caller's own where their format is the storage format,
// otherwise converted into tight rows.
class StoragePixels {
 public:
  StoragePixels(const uint8_t* pixels, GLsizei width, GLsizei height, GLenum format, GLenum base,
                const PixelStore& store)
      : pixels_(pixels), store_(store) {
    const GLenum storage = storageOf(base);
    if (pixels == nullptr || (format == storage && base == storage)) return;
    const size_t count = static_cast<size_t>(width) * height;
    const std::vector<uint8_t> rows =
        tightCopy(pixels, width, height, componentsOf(format), store);
    converted_.resize(count * componentsOf(storage));
    convertPixels(rows.data(), format, converted_.data(), base == GL_INTENSITY ? base : storage,
                  count, false);
    if (base == GL_ALPHA) {
      for (size_t i = 0; i < count; ++i) converted_[i * 2] = 255;
    }
    store_ = kTightRows;
  }
  const uint8_t* data() const { return converted_.empty() ? pixels_ : converted_.data(); }
  const PixelStore& store() const { return store_; }
  // The same pixels in tight rows: what the texture keeps for a restored context.
  std::vector<uint8_t> tight(GLsizei width, GLsizei height, GLenum storage) && {
    if (!converted_.empty()) return std::move(converted_);
    if (pixels_ == nullptr) return {};
    return tightCopy(pixels_, width, height, componentsOf(storage), store_);
  }

 private:
  const uint8_t* pixels_;
  PixelStore store_;
  std::vector<uint8_t> converted_;
};

int maxLevel() {
  int level = 0;
  for (GLint side = maxTextureSize(); side > 1; side /= 2) ++level;
  return level;
}

bool validTarget(GLenum target, GLenum format, GLenum type) {
  if (target == GL_TEXTURE_2D && componentsOf(format) != 0 && type == GL_UNSIGNED_BYTE) return true;
  recordError(GL_INVALID_ENUM);
  return false;
}

bool validSize(GLint level, GLsizei width, GLsizei height) {
  const GLsizei max = maxTextureSize();
  if (level >= 0 && level <= maxLevel() && width >= 0 && height >= 0 && width <= max &&
      height <= max) {
    return true;
  }
  recordError(GL_INVALID_VALUE);
  return false;
}

void texImage(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
              GLint border, GLenum format, GLenum type, const uint8_t* pixels,
              const PixelStore& store) {
  if (refusedInsideBegin() || !validTarget(target, format, type)) return;
  const GLenum base = baseFormatOf(internalFormat);
  if (!validSize(level, width, height)) return;
  if (base == 0 || border != 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  TextureObject& texture = boundTexture();
  bindForUpload(texture);
  StoragePixels ready(pixels, width, height, format, base, store);
  const GLenum storage = storageOf(base);
  syncUnpack(ready.store());
  emscripten_glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(storage), width, height, 0,
                          storage, GL_UNSIGNED_BYTE, ready.data());
  if (texture.levels.size() <= static_cast<size_t>(level)) texture.levels.resize(level + 1);
  texture.levels[level] = {width, height, base, std::move(ready).tight(width, height, storage)};
}

// The rectangle's tight rows written into the level's kept pixels.
void keepSubImage(TextureLevel* level, GLint x, GLint y, GLsizei width, GLsizei height,
                  const std::vector<uint8_t>& rows) {
  const size_t components = componentsOf(storageOf(level->base));
  const size_t levelRow = static_cast<size_t>(level->width) * components;
  if (level->pixels.empty()) level->pixels.resize(levelRow * static_cast<size_t>(level->height));
  const size_t rowBytes = static_cast<size_t>(width) * components;
  for (GLsizei row = 0; row < height; ++row) {
    std::copy_n(rows.data() + rowBytes * static_cast<size_t>(row), rowBytes,
                level->pixels.data() + levelRow * static_cast<size_t>(y + row) +
                    components * static_cast<size_t>(x));
  }
}

void texSubImage(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                 GLenum format, GLenum type, const uint8_t* pixels, const PixelStore& store) {
  if (refusedInsideBegin() || !validTarget(target, format, type)) return;
  if (!validSize(level, width, height)) return;
  TextureObject& texture = boundTexture();
  if (texture.levels.size() <= static_cast<size_t>(level) || texture.levels[level].base == 0) {
    recordError(GL_INVALID_OPERATION);
    return;
  }
  const TextureLevel& stored = texture.levels[level];
  if (x < 0 || y < 0 || x + width > stored.width || y + height > stored.height) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  if (width == 0 || height == 0 || pixels == nullptr) return;
  bindForUpload(texture);
  StoragePixels ready(pixels, width, height, format, stored.base, store);
  const GLenum storage = storageOf(stored.base);
  syncUnpack(ready.store());
  emscripten_glTexSubImage2D(GL_TEXTURE_2D, level, x, y, width, height, storage, GL_UNSIGNED_BYTE,
                             ready.data());
  keepSubImage(&texture.levels[level], x, y, width, height,
               std::move(ready).tight(width, height, storage));
}

// A list keeps the pixels as they were when it was compiled, in tight rows.
std::shared_ptr<const std::vector<uint8_t>> listCopy(const void* pixels, GLsizei width,
                                                     GLsizei height, GLenum format) {
  auto copy = std::make_shared<std::vector<uint8_t>>();
  if (pixels != nullptr && componentsOf(format) != 0 && width > 0 && height > 0) {
    *copy = tightCopy(static_cast<const uint8_t*>(pixels), width, height, componentsOf(format),
                      layer.client.unpack);
  }
  return copy;
}

const uint8_t* bytesOf(const std::vector<uint8_t>& copy) {
  return copy.empty() ? nullptr : copy.data();
}

GLint* storeField(PixelStore* store, GLenum field) {
  switch (field) {
    case GL_UNPACK_ALIGNMENT: return &store->alignment;
    case GL_UNPACK_ROW_LENGTH: return &store->rowLength;
    case GL_UNPACK_SKIP_ROWS: return &store->skipRows;
    case GL_UNPACK_SKIP_PIXELS: return &store->skipPixels;
    default: return nullptr;
  }
}

bool validStoreValue(GLenum field, GLint param) {
  if (field == GL_UNPACK_ALIGNMENT) return param == 1 || param == 2 || param == 4 || param == 8;
  return param >= 0;
}

// The pack names as their unpack twins, so one setter serves both directions.
GLenum unpackTwin(GLenum pname) {
  switch (pname) {
    case GL_PACK_ALIGNMENT: return GL_UNPACK_ALIGNMENT;
    case GL_PACK_ROW_LENGTH: return GL_UNPACK_ROW_LENGTH;
    case GL_PACK_SKIP_ROWS: return GL_UNPACK_SKIP_ROWS;
    case GL_PACK_SKIP_PIXELS: return GL_UNPACK_SKIP_PIXELS;
    default: return pname;
  }
}

bool isPackName(GLenum pname) { return unpackTwin(pname) != pname; }

}  // namespace

void uploadStoredLevel(const TextureObject& texture, size_t level) {
  const TextureLevel& stored = texture.levels[level];
  if (stored.base == 0) return;
  const GLenum storage = storageOf(stored.base);
  syncUnpack(kTightRows);
  emscripten_glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), static_cast<GLint>(storage),
                          stored.width, stored.height, 0, storage, GL_UNSIGNED_BYTE,
                          stored.pixels.empty() ? nullptr : stored.pixels.data());
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width,
                             GLsizei height, GLint border, GLenum format, GLenum type,
                             const void* pixels) {
  if (compilingList()) {
    const auto copy = listCopy(pixels, width, height, format);
    if (deferToList([=] {
          texImage(target, level, internalFormat, width, height, border, format, type,
                   bytesOf(*copy), kTightRows);
        })) {
      return;
    }
  }
  texImage(target, level, internalFormat, width, height, border, format, type,
           static_cast<const uint8_t*>(pixels), layer.client.unpack);
}

extern "C" void glTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width,
                                GLsizei height, GLenum format, GLenum type, const void* pixels) {
  if (compilingList()) {
    const auto copy = listCopy(pixels, width, height, format);
    if (deferToList([=] {
          texSubImage(target, level, x, y, width, height, format, type, bytesOf(*copy),
                      kTightRows);
        })) {
      return;
    }
  }
  texSubImage(target, level, x, y, width, height, format, type,
              static_cast<const uint8_t*>(pixels), layer.client.unpack);
}

// Swapped bytes and LSB-first bitmaps are taken at their default, false: the layer reads bytes
// as they are.
extern "C" void glPixelStorei(GLenum pname, GLint param) {
  if (refusedInsideBegin()) return;
  if (pname == GL_UNPACK_SWAP_BYTES || pname == GL_UNPACK_LSB_FIRST ||
      pname == GL_PACK_SWAP_BYTES || pname == GL_PACK_LSB_FIRST) {
    if (param != 0) recordError(GL_INVALID_ENUM);
    return;
  }
  PixelStore& store = isPackName(pname) ? layer.client.pack : layer.client.unpack;
  const GLenum field = unpackTwin(pname);
  GLint* value = storeField(&store, field);
  if (value == nullptr) {
    recordError(GL_INVALID_ENUM);
  } else if (!validStoreValue(field, param)) {
    recordError(GL_INVALID_VALUE);
  } else {
    *value = param;
  }
}
