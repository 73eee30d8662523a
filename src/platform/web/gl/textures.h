// Texture objects under the program's own names: glGenTextures, glBindTexture, glDeleteTextures,
// glIsTexture, glTexParameteri and glTexEnvi. Each object owns a WebGL texture made when it is
// first bound, and keeps what WebGL cannot be asked: its parameters and the size and format of
// each level, from which the layer tells whether it is complete, and each level's pixels, from
// which a restored context gets the object back after the browser lost the old one. Name 0 is GL 1.1's default
// texture, a real object that can hold images. Only GL_TEXTURE_2D, and only GL_MODULATE as the
// texture environment.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/web/gl/layer_state.h"

namespace webgl_layer {

struct TextureParameters {
  GLint minFilter = GL_NEAREST_MIPMAP_LINEAR;
  GLint magFilter = GL_LINEAR;
  GLint wrapS = GL_REPEAT;
  GLint wrapT = GL_REPEAT;
};

struct TextureLevel {
  GLsizei width = 0;
  GLsizei height = 0;
  GLenum base = 0;  // the GL 1.1 base format (GL_RGB, GL_LUMINANCE ...); 0 while no image
  // What WebGL holds, in its storage format and tight rows; empty while the level holds the
  // zeros WebGL gives an image made without pixels.
  std::vector<uint8_t> pixels;
};

struct TextureObject {
  GLuint webglName = 0;
  TextureParameters parameters;
  std::vector<TextureLevel> levels;
};

// The object bound as GL_TEXTURE_2D, its WebGL texture made if it has none yet.
TextureObject& boundTexture();
// Null for a name that was never bound or has been deleted.
TextureObject* findTexture(GLuint name);
// GL's rule: level 0 has an image, and a filter that uses mipmaps finds every level down to 1x1,
// each half the one above and of the same format. Texturing with an incomplete texture is as if
// texturing were off.
bool textureComplete(const TextureObject& texture);
// Puts the parameters back into the object of `name` (glPopAttrib), if it still exists.
void restoreTextureParameters(GLuint name, const TextureParameters& parameters);
GLint maxTextureSize();
// Forgets every object (their WebGL textures go with the context) and makes the default one.
void resetTextures();
// Sends level `level` of `texture`, bound for uploads, from the pixels it keeps
// (texture_images.cpp).
void uploadStoredLevel(const TextureObject& texture, size_t level);
// In a context restored after a loss: every object gets a new WebGL texture with its parameters
// and its levels' pixels, and the default object is bound for uploads.
void restoreTextures();

}  // namespace webgl_layer
