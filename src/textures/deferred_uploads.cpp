#include "textures/deferred_uploads.h"

#include <GL/gl.h>

#include <algorithm>
#include <deque>
#include <utility>

#include "textures/gl_unpack.h"

namespace {

struct Waiting {
  uint32_t name;
  PendingImage image;
};

std::deque<Waiting> waiting;

void upload(const Waiting& w) {
  glBindTexture(GL_TEXTURE_2D, w.name);
  const ScopedTightUnpack unpack;
  for (size_t level = 0; level < w.image.levels.size(); ++level) {
    const PngPixels& p = w.image.levels[level];
    glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), w.image.internalFormat, p.width,
                 p.height, 0, GL_RGB, GL_UNSIGNED_BYTE, p.rgb.get());
  }
}

}  // namespace

void deferUpload(uint32_t name, PendingImage image) { waiting.push_back({name, std::move(image)}); }

void uploadBeforeUse(uint32_t name) {
  if (waiting.empty()) return;
  const auto found = std::find_if(waiting.begin(), waiting.end(),
                                  [name](const Waiting& w) { return w.name == name; });
  if (found == waiting.end()) return;
  upload(*found);
  waiting.erase(found);
}

void uploadAllPending() {
  while (!waiting.empty()) uploadOnePending();
}

bool uploadOnePending() {
  if (waiting.empty()) return false;
  upload(waiting.front());
  waiting.pop_front();
  return true;
}
