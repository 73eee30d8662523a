// The state-setting commands: glEnable, glDisable, glIsEnabled, glBlendFunc, glDepthFunc,
// glCullFace, glShadeModel, glPolygonMode, glHint, glFogf, glFogi, glFogfv, glClearColor,
// glClearDepth, glViewport and glClear. They check and record; the renderer sends the state at the
// next draw or clear. Capabilities: GL_TEXTURE_2D, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_FOG,
// GL_DITHER. Polygons are only filled. Hints are kept for glGet and change nothing.
#include <algorithm>

#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/renderer.h"

namespace webgl_layer {

namespace {

void setCapability(GLenum cap, bool on) {
  bool* field = capabilityOf(cap);
  if (field == nullptr) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  *field = on;
}

bool validSourceFactor(GLenum f) {
  switch (f) {
    case GL_ZERO: case GL_ONE: case GL_DST_COLOR: case GL_ONE_MINUS_DST_COLOR: case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA: case GL_DST_ALPHA: case GL_ONE_MINUS_DST_ALPHA:
    case GL_SRC_ALPHA_SATURATE:
      return true;
    default:
      return false;
  }
}

bool validDestinationFactor(GLenum f) {
  switch (f) {
    case GL_ZERO: case GL_ONE: case GL_SRC_COLOR: case GL_ONE_MINUS_SRC_COLOR: case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA: case GL_DST_ALPHA: case GL_ONE_MINUS_DST_ALPHA:
      return true;
    default:
      return false;
  }
}

bool validFace(GLenum face) { return face == GL_FRONT || face == GL_BACK || face == GL_FRONT_AND_BACK; }

GLenum* hintOf(GLenum target) {
  Hints& h = layer.state.hints;
  switch (target) {
    case GL_PERSPECTIVE_CORRECTION_HINT: return &h.perspectiveCorrection;
    case GL_POINT_SMOOTH_HINT: return &h.pointSmooth;
    case GL_LINE_SMOOTH_HINT: return &h.lineSmooth;
    case GL_POLYGON_SMOOTH_HINT: return &h.polygonSmooth;
    case GL_FOG_HINT: return &h.fog;
    default: return nullptr;
  }
}

GLfloat clamped(GLfloat v) { return std::clamp(v, 0.0f, 1.0f); }

// One fog parameter given as a float (glFogf, glFogi and glFogfv's first value).
void setFog(GLenum pname, GLfloat value) {
  Fog& fog = layer.state.fog;
  switch (pname) {
    case GL_FOG_MODE: {
      const GLenum mode = static_cast<GLenum>(value);
      if (mode != GL_LINEAR && mode != GL_EXP && mode != GL_EXP2) break;
      fog.mode = mode;
      return;
    }
    case GL_FOG_DENSITY:
      if (value < 0.0f) {
        recordError(GL_INVALID_VALUE);
        return;
      }
      fog.density = value;
      return;
    case GL_FOG_START:
      fog.start = value;
      return;
    case GL_FOG_END:
      fog.end = value;
      return;
  }
  recordError(GL_INVALID_ENUM);
}

}  // namespace

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glEnable(GLenum cap) {
  if (deferToList([=] { glEnable(cap); }) || refusedInsideBegin()) return;
  setCapability(cap, true);
}

extern "C" void glDisable(GLenum cap) {
  if (deferToList([=] { glDisable(cap); }) || refusedInsideBegin()) return;
  setCapability(cap, false);
}

extern "C" GLboolean glIsEnabled(GLenum cap) {
  if (refusedInsideBegin()) return GL_FALSE;
  const bool* field = capabilityOf(cap);
  if (field == nullptr) {
    recordError(GL_INVALID_ENUM);
    return GL_FALSE;
  }
  return *field ? GL_TRUE : GL_FALSE;
}

extern "C" void glBlendFunc(GLenum source, GLenum destination) {
  if (deferToList([=] { glBlendFunc(source, destination); }) || refusedInsideBegin()) return;
  if (!validSourceFactor(source) || !validDestinationFactor(destination)) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.blendSrc = source;
  layer.state.blendDst = destination;
}

extern "C" void glDepthFunc(GLenum func) {
  if (deferToList([=] { glDepthFunc(func); }) || refusedInsideBegin()) return;
  if (func < GL_NEVER || func > GL_ALWAYS) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.depthFunc = func;
}

extern "C" void glCullFace(GLenum mode) {
  if (deferToList([=] { glCullFace(mode); }) || refusedInsideBegin()) return;
  if (!validFace(mode)) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.cullFaceMode = mode;
}

extern "C" void glShadeModel(GLenum mode) {
  if (deferToList([=] { glShadeModel(mode); }) || refusedInsideBegin()) return;
  if (mode != GL_SMOOTH && mode != GL_FLAT) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.shadeModel = mode;
}

// Only GL_FILL, GL 1.1's default, is drawn; GL_POINT and GL_LINE are refused as not implemented.
extern "C" void glPolygonMode(GLenum face, GLenum mode) {
  if (deferToList([=] { glPolygonMode(face, mode); }) || refusedInsideBegin()) return;
  if (!validFace(face) || mode != GL_FILL) recordError(GL_INVALID_ENUM);
}

extern "C" void glHint(GLenum target, GLenum mode) {
  if (deferToList([=] { glHint(target, mode); }) || refusedInsideBegin()) return;
  GLenum* hint = hintOf(target);
  if (hint == nullptr || (mode != GL_FASTEST && mode != GL_NICEST && mode != GL_DONT_CARE)) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  *hint = mode;
}

extern "C" void glFogf(GLenum pname, GLfloat param) {
  if (deferToList([=] { glFogf(pname, param); }) || refusedInsideBegin()) return;
  setFog(pname, param);
}

extern "C" void glFogi(GLenum pname, GLint param) {
  if (deferToList([=] { glFogi(pname, param); }) || refusedInsideBegin()) return;
  setFog(pname, static_cast<GLfloat>(param));
}

extern "C" void glFogfv(GLenum pname, const GLfloat* params) {
  if (pname != GL_FOG_COLOR) {
    glFogf(pname, params[0]);
    return;
  }
  const GLfloat r = params[0], g = params[1], b = params[2], a = params[3];
  if (deferToList([=] {
        const GLfloat colour[4] = {r, g, b, a};
        glFogfv(GL_FOG_COLOR, colour);
      }) ||
      refusedInsideBegin()) {
    return;
  }
  GLfloat* colour = layer.state.fog.colour;
  for (int i = 0; i < 4; ++i) colour[i] = clamped(params[i]);
}

extern "C" void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  if (deferToList([=] { glClearColor(r, g, b, a); }) || refusedInsideBegin()) return;
  GLfloat* c = layer.state.clearColour;
  c[0] = clamped(r);
  c[1] = clamped(g);
  c[2] = clamped(b);
  c[3] = clamped(a);
}

extern "C" void glClearDepth(GLdouble depth) {
  if (deferToList([=] { glClearDepth(depth); }) || refusedInsideBegin()) return;
  layer.state.clearDepth = clamped(static_cast<GLfloat>(depth));
}

extern "C" void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  if (deferToList([=] { glViewport(x, y, width, height); }) || refusedInsideBegin()) return;
  if (width < 0 || height < 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  GLint* v = layer.state.viewport;
  v[0] = x;
  v[1] = y;
  v[2] = width;
  v[3] = height;
}

// The accumulation buffer is not implemented: its bit is refused with the unknown ones.
extern "C" void glClear(GLbitfield mask) {
  if (deferToList([=] { glClear(mask); }) || refusedInsideBegin()) return;
  if ((mask & ~(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT)) != 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  clearBuffers(mask);
}
