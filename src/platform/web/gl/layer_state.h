// The OpenGL 1.1 state the layer keeps on the program's side of WebGL, with GL 1.1's defaults,
// and the layer's own error flag. Entry points change this state; the renderer sends what a draw,
// a clear or an upload needs to WebGL just before it (renderer.h), so glPopAttrib only has to put
// fields back. Leaves out everything the layer does not implement (lighting, stencil, scissor,
// stipples, texture generation ...).
#pragma once

// The GL 1.1 and GLU headers the scenes compile against come first: every entry point the layer
// defines must match their declarations, or the build fails.
#include <GL/gl.h>
#include <GL/glu.h>
#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

namespace webgl_layer {

// One direction of glPixelStorei: what WebGL 2 takes. Swapped bytes and LSB-first bitmaps stay at
// their default, false, and are not kept.
struct PixelStore {
  GLint alignment = 4;
  GLint rowLength = 0;
  GLint skipRows = 0;
  GLint skipPixels = 0;
};

struct Capabilities {
  bool texture2d = false;
  bool blend = false;
  bool depthTest = false;
  bool cullFace = false;
  bool fog = false;
  bool dither = true;
};

struct Fog {
  GLenum mode = GL_EXP;
  GLfloat density = 1.0f;
  GLfloat start = 0.0f;
  GLfloat end = 1.0f;
  GLfloat colour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

struct Hints {
  GLenum perspectiveCorrection = GL_DONT_CARE;
  GLenum pointSmooth = GL_DONT_CARE;
  GLenum lineSmooth = GL_DONT_CARE;
  GLenum polygonSmooth = GL_DONT_CARE;
  GLenum fog = GL_DONT_CARE;
};

// The state glPushAttrib saves, in its groups (attrib_stack.cpp says which field is in which).
// Matrices live in their own stacks (matrix_stacks.h), texture parameters in their texture
// objects (textures.h).
struct ServerState {
  GLfloat colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  GLfloat texCoord[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  Capabilities enabled;
  GLenum blendSrc = GL_ONE;
  GLenum blendDst = GL_ZERO;
  GLfloat clearColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  GLenum depthFunc = GL_LESS;
  GLfloat clearDepth = 1.0f;
  Fog fog;
  Hints hints;
  GLenum shadeModel = GL_SMOOTH;
  GLenum cullFaceMode = GL_BACK;
  GLenum matrixMode = GL_MODELVIEW;
  GLint viewport[4] = {0, 0, 0, 0};
  GLuint texture = 0;  // the program's name of the 2D texture bound
  GLenum readBuffer = GL_BACK;
};

struct ClientState {
  PixelStore pack;
  PixelStore unpack;
};

struct Layer {
  ServerState state;
  ClientState client;
  GLenum error = GL_NO_ERROR;
  bool insideBegin = false;  // between glBegin and glEnd
};

extern Layer layer;

// Keeps the first error since the last glGetError, as GL does with one flag.
void recordError(GLenum error);
// The flag in layer.state.enabled of a capability glEnable takes, or null for one the layer does
// not keep.
bool* capabilityOf(GLenum cap);
// True (and GL_INVALID_OPERATION recorded) when a command that GL refuses between glBegin and
// glEnd comes there.
bool refusedInsideBegin();

}  // namespace webgl_layer
