#include "platform/web/gl/textures.h"

#include <unordered_map>
#include <unordered_set>

#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/renderer.h"

namespace webgl_layer {

namespace {

std::unordered_map<GLuint, TextureObject> objects;
// Names handed out by glGenTextures and not yet bound: used, but no object yet.
std::unordered_set<GLuint> reserved;
GLuint nextName = 1;
GLint maxSize = 0;

bool usesMipmaps(GLint minFilter) { return minFilter != GL_NEAREST && minFilter != GL_LINEAR; }

bool validParameter(GLenum pname, GLint param) {
  switch (pname) {
    case GL_TEXTURE_MIN_FILTER:
      return param == GL_NEAREST || param == GL_LINEAR || param == GL_NEAREST_MIPMAP_NEAREST ||
             param == GL_LINEAR_MIPMAP_NEAREST || param == GL_NEAREST_MIPMAP_LINEAR ||
             param == GL_LINEAR_MIPMAP_LINEAR;
    case GL_TEXTURE_MAG_FILTER:
      return param == GL_NEAREST || param == GL_LINEAR;
    case GL_TEXTURE_WRAP_S:
    case GL_TEXTURE_WRAP_T:
      return param == GL_REPEAT || param == GL_CLAMP || param == GL_CLAMP_TO_EDGE;
    default:
      return false;
  }
}

// GL_CLAMP is not in WebGL. Clamping to the edge is what it gives but where a linear filter
// reaches past the edge, there GL 1.1 blends in the border colour.
GLint webglParameter(GLint param) { return param == GL_CLAMP ? GL_CLAMP_TO_EDGE : param; }

void sendParameter(GLenum pname, GLint param) {
  emscripten_glTexParameteri(GL_TEXTURE_2D, pname, webglParameter(param));
}

GLint* fieldOf(TextureParameters* p, GLenum pname) {
  if (pname == GL_TEXTURE_MIN_FILTER) return &p->minFilter;
  if (pname == GL_TEXTURE_MAG_FILTER) return &p->magFilter;
  if (pname == GL_TEXTURE_WRAP_S) return &p->wrapS;
  return &p->wrapT;
}

bool levelFollows(const TextureLevel& level, const TextureLevel& above) {
  return level.base == above.base && level.width == (above.width > 1 ? above.width / 2 : 1) &&
         level.height == (above.height > 1 ? above.height / 2 : 1);
}

}  // namespace

TextureObject& boundTexture() {
  TextureObject& texture = objects[layer.state.texture];
  if (texture.webglName == 0) emscripten_glGenTextures(1, &texture.webglName);
  return texture;
}

TextureObject* findTexture(GLuint name) {
  const auto found = objects.find(name);
  return found == objects.end() ? nullptr : &found->second;
}

bool textureComplete(const TextureObject& texture) {
  if (texture.levels.empty()) return false;
  const TextureLevel& top = texture.levels[0];
  if (top.base == 0 || top.width == 0 || top.height == 0) return false;
  if (!usesMipmaps(texture.parameters.minFilter)) return true;
  const TextureLevel* above = &top;
  for (size_t i = 1; above->width > 1 || above->height > 1; ++i) {
    if (i >= texture.levels.size() || !levelFollows(texture.levels[i], *above)) return false;
    above = &texture.levels[i];
  }
  return true;
}

void restoreTextureParameters(GLuint name, const TextureParameters& parameters) {
  TextureObject* texture = findTexture(name);
  if (texture == nullptr) return;
  texture->parameters = parameters;
  bindForUpload(*texture);
  for (GLenum pname : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER, GL_TEXTURE_WRAP_S,
                       GL_TEXTURE_WRAP_T}) {
    sendParameter(pname, *fieldOf(&texture->parameters, pname));
  }
}

GLint maxTextureSize() { return maxSize; }

void restoreTextures() {
  emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  for (auto& [name, texture] : objects) {
    emscripten_glGenTextures(1, &texture.webglName);
    bindForUpload(texture);
    for (GLenum pname : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER, GL_TEXTURE_WRAP_S,
                         GL_TEXTURE_WRAP_T}) {
      sendParameter(pname, *fieldOf(&texture.parameters, pname));
    }
    for (size_t i = 0; i < texture.levels.size(); ++i) uploadStoredLevel(texture, i);
  }
}

void resetTextures() {
  objects.clear();
  reserved.clear();
  nextName = 1;
  emscripten_glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glGenTextures(GLsizei n, GLuint* names) {
  if (refusedInsideBegin()) return;
  if (n < 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  for (GLsizei i = 0; i < n; ++i) {
    while (objects.count(nextName) != 0 || reserved.count(nextName) != 0 || nextName == 0) {
      ++nextName;
    }
    reserved.insert(nextName);
    names[i] = nextName++;
  }
}

extern "C" void glBindTexture(GLenum target, GLuint name) {
  if (deferToList([=] { glBindTexture(target, name); }) || refusedInsideBegin()) return;
  if (target != GL_TEXTURE_2D) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  reserved.erase(name);
  layer.state.texture = name;
  boundTexture();
}

extern "C" void glDeleteTextures(GLsizei n, const GLuint* names) {
  if (refusedInsideBegin()) return;
  if (n < 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  for (GLsizei i = 0; i < n; ++i) {
    reserved.erase(names[i]);
    TextureObject* texture = names[i] == 0 ? nullptr : findTexture(names[i]);
    if (texture == nullptr) continue;
    forgetWebGlTexture(texture->webglName);
    emscripten_glDeleteTextures(1, &texture->webglName);
    objects.erase(names[i]);
    if (layer.state.texture == names[i]) layer.state.texture = 0;
  }
}

extern "C" GLboolean glIsTexture(GLuint name) {
  if (refusedInsideBegin()) return GL_FALSE;
  return name != 0 && findTexture(name) != nullptr ? GL_TRUE : GL_FALSE;
}

extern "C" void glTexParameteri(GLenum target, GLenum pname, GLint param) {
  if (deferToList([=] { glTexParameteri(target, pname, param); }) || refusedInsideBegin()) return;
  if (target != GL_TEXTURE_2D || !validParameter(pname, param)) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  TextureObject& texture = boundTexture();
  *fieldOf(&texture.parameters, pname) = param;
  bindForUpload(texture);
  sendParameter(pname, param);
}

// GL_MODULATE is GL 1.1's default and the only mode the layer draws; the command only checks.
extern "C" void glTexEnvi(GLenum target, GLenum pname, GLint param) {
  if (deferToList([=] { glTexEnvi(target, pname, param); }) || refusedInsideBegin()) return;
  if (target != GL_TEXTURE_ENV || pname != GL_TEXTURE_ENV_MODE || param != GL_MODULATE) {
    recordError(GL_INVALID_ENUM);
  }
}
