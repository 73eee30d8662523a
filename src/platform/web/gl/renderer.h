// What the layer asks of WebGL 2 to draw, clear, upload and read: the fixed-function program, a
// streaming vertex buffer, and WebGL's state brought in line with the layer's just before each of
// those (WebGL keeps what was sent last; only differences go). The layer's other files only
// validate and record; they reach WebGL through here, except for the texture calls that act on
// the texture bindForUpload has bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/textures.h"

namespace webgl_layer {

struct Vertex {
  GLfloat position[3];
  GLfloat colour[4];
  GLfloat texCoord[2];
};

// In the current WebGL 2 context: builds the program, the vertex buffer and a white texture, and
// sets WebGL's state to GL 1.1's defaults with the viewport WebGL has. False, with why in
// `failure`, when the program does not build.
bool startRenderer(std::string* failure);
// The same in a context the browser restored after losing it, where the layer's own state (the
// viewport included) stands as the program left it and reaches WebGL with the next draw.
bool restartRenderer(std::string* failure);
// Draws GL_TRIANGLES, GL_LINES or GL_POINTS in the layer's current state. Leaves the bound
// texture (or the white one when texturing is off or the texture incomplete) bound to WebGL.
void drawVertices(GLenum mode, const Vertex* vertices, size_t count);
// glClear with the layer's clear colour and depth.
void clearBuffers(GLbitfield mask);
// The rectangle of the colour buffer as RGBA bytes, tight rows, bottom row first.
void readRgba(GLint x, GLint y, GLsizei width, GLsizei height, uint8_t* rgba);
// Binds the texture's WebGL object for an upload or a parameter.
void bindForUpload(const TextureObject& texture);
// WebGL's unpack state as `store` says, for the upload that follows.
void syncUnpack(const PixelStore& store);
// The texture is about to be deleted: WebGL no longer has it bound after that.
void forgetWebGlTexture(GLuint webglName);

}  // namespace webgl_layer
