// The pictures taken from the worker, oldest first, each with the texture object it goes into
// and the next row to send. A level is made whole-sized with its first band and filled band by
// band, so that the object holds exactly what a direct upload of the same rows makes.
#include "textures/ahead_uploads.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>

#include "textures/gl_unpack.h"
#include "textures/png_bind.h"

namespace {

struct Picture {
  std::string fileName;
  ImageKind kind;
  std::unique_ptr<DecodedImage> image;
  GLuint name = 0;  // 0: waits for init, nothing is sent
  size_t level = 0;
  int32_t row = 0;  // the next band's first row in `level`

  size_t levelCount() const {
    return kind == ImageKind::PngWithLevels ? 1 + image->levels.size() : 1;
  }
  const PngPixels& pixels(size_t l) const { return l == 0 ? image->png : image->levels[l - 1]; }
  bool sent() const { return name == 0 || level == levelCount(); }
};

std::deque<Picture> pictures;

// A picture goes ahead when init would upload it as it is: decoded, taken by the GL without
// stretching, and its levels picked already where it has them.
bool goesAhead(const DecodedImage& image, ImageKind kind) {
  if (!image.pngDecoded || !glTakesAsItIs(image.png)) return false;
  return kind != ImageKind::PngWithLevels || image.levelsPicked;
}

class KeepBinding {
 public:
  KeepBinding() { glGetIntegerv(GL_TEXTURE_BINDING_2D, &name_); }
  ~KeepBinding() { glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(name_)); }
  KeepBinding(const KeepBinding&) = delete;
  KeepBinding& operator=(const KeepBinding&) = delete;

 private:
  GLint name_ = 0;
};

// Sends rows from where the picture stopped, up to `texels` of them (at least one row), into the
// bound texture.
void sendRows(Picture* p, int64_t texels) {
  const ScopedTightUnpack unpack;
  while (texels > 0 && !p->sent()) {
    const PngPixels& level = p->pixels(p->level);
    const GLint glLevel = static_cast<GLint>(p->level);
    if (p->row == 0) {
      glTexImage2D(GL_TEXTURE_2D, glLevel, GL_RGB, level.width, level.height, 0, GL_RGB,
                   GL_UNSIGNED_BYTE, nullptr);
    }
    const int64_t fits = std::max<int64_t>(1, texels / level.width);
    const int32_t rows = static_cast<int32_t>(std::min<int64_t>(fits, level.height - p->row));
    const size_t offset = static_cast<size_t>(p->row) * static_cast<size_t>(level.width) * 3;
    glTexSubImage2D(GL_TEXTURE_2D, glLevel, 0, p->row, level.width, rows, GL_RGB, GL_UNSIGNED_BYTE,
                    level.rgb.get() + offset);
    texels -= static_cast<int64_t>(rows) * level.width;
    p->row += rows;
    if (p->row == level.height) {
      ++p->level;
      p->row = 0;
    }
  }
}

Picture* nextToSend() {
  for (Picture& p : pictures) {
    if (!p.sent()) return &p;
  }
  for (;;) {
    TakenPng taken = takeDecodedPng();
    if (taken.image == nullptr) return nullptr;
    const bool ahead = goesAhead(*taken.image, taken.kind);
    pictures.push_back({std::move(taken.fileName), taken.kind, std::move(taken.image)});
    if (!ahead) continue;
    Picture& p = pictures.back();
    glGenTextures(1, &p.name);
    return &p;
  }
}

}  // namespace

bool sendAheadBand() {
  Picture* p = nextToSend();
  if (p == nullptr) return false;
  const KeepBinding keep;
  glBindTexture(GL_TEXTURE_2D, p->name);
  sendRows(p, kAheadBandTexels);
  return true;
}

SentAhead takeSentAhead(const char* fileName, ImageKind kind) {
  if (fileName == nullptr) return {};
  const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const Picture& p) {
    return p.kind == kind && p.fileName == fileName;
  });
  if (found == pictures.end()) return {};
  if (found->name != 0 && !found->sent()) {
    const KeepBinding keep;
    glBindTexture(GL_TEXTURE_2D, found->name);
    sendRows(&*found, INT64_MAX);
  }
  SentAhead taken{std::move(found->image), found->name};
  pictures.erase(found);
  return taken;
}
