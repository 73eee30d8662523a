// One queue of pictures, each with the texture object it goes into and the next row to send. A
// level's storage is made with its first band and filled band by band, so that the object holds
// exactly what a direct upload of the same rows makes.
#include "textures/gl/texture_uploads.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <iterator>
#include <string>
#include <utility>

#include "textures/gl/gl_unpack.h"
#include "textures/gl/texture_resample.h"

namespace {

// Whether a scene has the picture's texture object yet.
enum class Claim {
  Unclaimed,  // went ahead of its scene's init, which has not asked for it yet
  Claimed,    // the scene's: queued by its init, or claimed by it among those that went ahead
};

struct Upload {
  GLuint name = 0;
  int internalFormat = GL_RGB;
  std::vector<PngPixels> levels;  // level 0 first
  Claim claim = Claim::Claimed;
  // What a picture that went ahead was decoded as, for its init to claim it by.
  std::string aheadFile;
  ImageKind aheadKind = ImageKind::Png;
  size_t level = 0;
  int32_t row = 0;  // the next band's first row in `level`

  bool sent() const { return level == levels.size(); }
  bool claimed() const { return claim == Claim::Claimed; }
};

std::deque<Upload> uploads;  // in the order they were queued

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
void sendRows(Upload* u, int64_t texels) {
  const ScopedTightUnpack unpack;
  while (texels > 0 && !u->sent()) {
    PngPixels& level = u->levels[u->level];
    const GLint glLevel = static_cast<GLint>(u->level);
    if (u->row == 0) {
      glTexImage2D(GL_TEXTURE_2D, glLevel, u->internalFormat, level.width, level.height, 0, GL_RGB,
                   GL_UNSIGNED_BYTE, nullptr);
    }
    const int64_t fits = std::max<int64_t>(1, texels / level.width);
    const int32_t rows = static_cast<int32_t>(std::min<int64_t>(fits, level.height - u->row));
    const size_t offset = static_cast<size_t>(u->row) * static_cast<size_t>(level.width) * 3;
    glTexSubImage2D(GL_TEXTURE_2D, glLevel, 0, u->row, level.width, rows, GL_RGB, GL_UNSIGNED_BYTE,
                    level.rgb.get() + offset);
    texels -= static_cast<int64_t>(rows) * level.width;
    u->row += rows;
    if (u->row == level.height) {
      level.rgb.reset();  // the GL has the level now: only the count of levels sent is kept
      ++u->level;
      u->row = 0;
    }
  }
}

// A picture goes before init when init would upload it as it is: decoded, taken by the GL
// without stretching, and its levels picked already where it has them. Asked of each picture
// waiting at every band: the facts at hand first, the GL's limits last.
bool goesAhead(const DecodedImage& image, ImageKind kind) {
  if (!image.pngDecoded) return false;
  if (kind == ImageKind::PngWithLevels && !image.levelsPicked) return false;
  int32_t width = 0, height = 0;
  return glSidesFor(image.png.width, image.png.height, &width, &height) &&
         width == image.png.width && height == image.png.height;
}

// The longest-queued picture not yet sent, or else one more from the worker. A scene's pictures
// are queued at its init and the next scene's only after its first frame, so the playing scene's
// go first.
std::deque<Upload>::iterator nextToSend() {
  const auto unsent = std::find_if(uploads.begin(), uploads.end(),
                                   [](const Upload& u) { return !u.sent(); });
  if (unsent != uploads.end()) return unsent;
  TakenPng taken = takeDecodedPng(goesAhead);
  if (taken.image == nullptr) return uploads.end();
  Upload u;
  glGenTextures(1, &u.name);
  u.levels = uploadLevels(std::move(taken.image->png), std::move(taken.image->levels));
  u.claim = Claim::Unclaimed;
  u.aheadFile = std::move(taken.fileName);
  u.aheadKind = taken.kind;
  uploads.push_back(std::move(u));
  return std::prev(uploads.end());
}

// Sends what is left of `u` and drops it from the queue; the next one in the queue after it.
std::deque<Upload>::iterator finish(std::deque<Upload>::iterator u) {
  if (!u->sent()) {
    glBindTexture(GL_TEXTURE_2D, u->name);
    sendRows(&*u, INT64_MAX);
  }
  return uploads.erase(u);
}

}  // namespace

bool glSidesFor(int32_t width, int32_t height, int32_t* glWidth, int32_t* glHeight) {
  const bool anySide = glTakesAnySide(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                                      reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
  *glWidth = anySide ? width : nextPowerOfTwo(width);
  *glHeight = anySide ? height : nextPowerOfTwo(height);
  GLint maxSide = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
  return *glWidth <= maxSide && *glHeight <= maxSide;
}

std::vector<PngPixels> uploadLevels(PngPixels top, std::vector<PngPixels> smaller) {
  std::vector<PngPixels> levels;
  levels.reserve(1 + smaller.size());
  levels.push_back(std::move(top));
  for (PngPixels& level : smaller) levels.push_back(std::move(level));
  return levels;
}

bool sendUploadBand() {
  const auto u = nextToSend();
  if (u == uploads.end()) return false;
  const KeepBinding keep;
  glBindTexture(GL_TEXTURE_2D, u->name);
  sendRows(&*u, kUploadBandTexels);
  if (u->sent() && u->claimed()) uploads.erase(u);
  return true;
}

void queueUpload(uint32_t name, int internalFormat, std::vector<PngPixels> levels) {
  Upload u;
  u.name = name;
  u.internalFormat = internalFormat;
  u.levels = std::move(levels);
  uploads.push_back(std::move(u));
}

void finishUpload(uint32_t name) {
  const auto found = std::find_if(uploads.begin(), uploads.end(), [name](const Upload& u) {
    return u.claimed() && u.name == name;
  });
  if (found != uploads.end()) finish(found);
}

void finishQueuedUploads() {
  for (auto u = uploads.begin(); u != uploads.end();) u = u->claimed() ? finish(u) : u + 1;
}

uint32_t claimSentAhead(const char* fileName, ImageKind kind) {
  if (fileName == nullptr) return 0;
  const auto found = std::find_if(uploads.begin(), uploads.end(), [&](const Upload& u) {
    return !u.claimed() && u.aheadKind == kind && u.aheadFile == fileName;
  });
  if (found == uploads.end()) return 0;
  found->claim = Claim::Claimed;
  const GLuint name = found->name;
  if (found->sent()) uploads.erase(found);
  return name;
}
