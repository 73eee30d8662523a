// glGetError, glGetString, glGetIntegerv, glReadPixels, glReadBuffer and glFinish. The layer
// answers for the state it keeps and asks WebGL only for what WebGL alone knows (the texture size
// limit, the framebuffer's bits). Pixels are read as RGBA and packed into the format asked for
// with the layer's pack state; only colour, in unsigned bytes, from the back buffer.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/web/gl/attrib_stack.h"
#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/matrix_stacks.h"
#include "platform/web/gl/pixel_rows.h"
#include "platform/web/gl/queries.h"
#include "platform/web/gl/renderer.h"
#include "platform/web/gl/textures.h"

// The renderer WebGL names (the real one where the browser tells it), or "".
EM_JS(char*, browserRenderer, (), {
  var gl = GLctx;
  if (!gl) return allocateUTF8("");
  var info = gl.getExtension('WEBGL_debug_renderer_info');
  return allocateUTF8(String(gl.getParameter(info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER)));
});

namespace webgl_layer {

namespace {

constexpr const char* kVendor = "tamsirel";
// GL 1.1 with textures of any side: WebGL 2 takes them, with mipmaps and repeat.
constexpr const char* kVersion = "1.1 tamsirel GL 1.1 layer on WebGL 2";
constexpr const char* kExtensions = "GL_ARB_texture_non_power_of_two";
std::string renderer;

// Writes the value (or values) of `pname` to `out` when it is one the layer answers itself.
bool layerValue(GLenum pname, GLint* out) {
  const ServerState& s = layer.state;
  const ClientState& c = layer.client;
  switch (pname) {
    case GL_TEXTURE_BINDING_2D: *out = static_cast<GLint>(s.texture); return true;
    case GL_MAX_TEXTURE_SIZE: *out = maxTextureSize(); return true;
    case GL_VIEWPORT: std::copy(s.viewport, s.viewport + 4, out); return true;
    case GL_MATRIX_MODE: *out = static_cast<GLint>(s.matrixMode); return true;
    case GL_MODELVIEW_STACK_DEPTH: *out = matrixStackDepth(GL_MODELVIEW); return true;
    case GL_PROJECTION_STACK_DEPTH: *out = matrixStackDepth(GL_PROJECTION); return true;
    case GL_TEXTURE_STACK_DEPTH: *out = matrixStackDepth(GL_TEXTURE); return true;
    case GL_MAX_MODELVIEW_STACK_DEPTH: *out = maxMatrixStackDepth(GL_MODELVIEW); return true;
    case GL_MAX_PROJECTION_STACK_DEPTH: *out = maxMatrixStackDepth(GL_PROJECTION); return true;
    case GL_MAX_TEXTURE_STACK_DEPTH: *out = maxMatrixStackDepth(GL_TEXTURE); return true;
    case GL_ATTRIB_STACK_DEPTH: *out = attribStackDepth(); return true;
    case GL_CLIENT_ATTRIB_STACK_DEPTH: *out = clientAttribStackDepth(); return true;
    case GL_MAX_ATTRIB_STACK_DEPTH:
    case GL_MAX_CLIENT_ATTRIB_STACK_DEPTH: *out = maxAttribStackDepth(); return true;
    case GL_LIST_INDEX: *out = static_cast<GLint>(openListName()); return true;
    case GL_LIST_MODE: *out = static_cast<GLint>(openListMode()); return true;
    case GL_MAX_LIST_NESTING: *out = kMaxListNesting; return true;
    case GL_BLEND_SRC: *out = static_cast<GLint>(s.blendSrc); return true;
    case GL_BLEND_DST: *out = static_cast<GLint>(s.blendDst); return true;
    case GL_DEPTH_FUNC: *out = static_cast<GLint>(s.depthFunc); return true;
    case GL_CULL_FACE_MODE: *out = static_cast<GLint>(s.cullFaceMode); return true;
    case GL_SHADE_MODEL: *out = static_cast<GLint>(s.shadeModel); return true;
    case GL_POLYGON_MODE: out[0] = out[1] = GL_FILL; return true;
    case GL_FOG_MODE: *out = static_cast<GLint>(s.fog.mode); return true;
    case GL_READ_BUFFER: *out = static_cast<GLint>(s.readBuffer); return true;
    case GL_PERSPECTIVE_CORRECTION_HINT: *out = static_cast<GLint>(s.hints.perspectiveCorrection); return true;
    case GL_POINT_SMOOTH_HINT: *out = static_cast<GLint>(s.hints.pointSmooth); return true;
    case GL_LINE_SMOOTH_HINT: *out = static_cast<GLint>(s.hints.lineSmooth); return true;
    case GL_POLYGON_SMOOTH_HINT: *out = static_cast<GLint>(s.hints.polygonSmooth); return true;
    case GL_FOG_HINT: *out = static_cast<GLint>(s.hints.fog); return true;
    case GL_UNPACK_ALIGNMENT: *out = c.unpack.alignment; return true;
    case GL_UNPACK_ROW_LENGTH: *out = c.unpack.rowLength; return true;
    case GL_UNPACK_SKIP_ROWS: *out = c.unpack.skipRows; return true;
    case GL_UNPACK_SKIP_PIXELS: *out = c.unpack.skipPixels; return true;
    case GL_PACK_ALIGNMENT: *out = c.pack.alignment; return true;
    case GL_PACK_ROW_LENGTH: *out = c.pack.rowLength; return true;
    case GL_PACK_SKIP_ROWS: *out = c.pack.skipRows; return true;
    case GL_PACK_SKIP_PIXELS: *out = c.pack.skipPixels; return true;
    case GL_UNPACK_SWAP_BYTES: case GL_UNPACK_LSB_FIRST: case GL_PACK_SWAP_BYTES:
    case GL_PACK_LSB_FIRST: *out = GL_FALSE; return true;
    default: break;
  }
  // GL answers for each capability too, whether it is enabled.
  const bool* enabled = capabilityOf(pname);
  if (enabled == nullptr) return false;
  *out = *enabled ? GL_TRUE : GL_FALSE;
  return true;
}

// What only WebGL knows, and WebGL takes the same names for.
bool webglValue(GLenum pname) {
  switch (pname) {
    case GL_RED_BITS: case GL_GREEN_BITS: case GL_BLUE_BITS: case GL_ALPHA_BITS:
    case GL_DEPTH_BITS: case GL_STENCIL_BITS: case GL_MAX_VIEWPORT_DIMS: case GL_SUBPIXEL_BITS:
      return true;
    default:
      return false;
  }
}

// The rectangle packed into `pixels` as `format` with the layer's pack state.
void packPixels(const std::vector<uint8_t>& rgba, GLsizei width, GLsizei height, GLenum format,
                uint8_t* pixels) {
  const int components = componentsOf(format);
  for (GLsizei y = 0; y < height; ++y) {
    convertPixels(rgba.data() + static_cast<size_t>(y) * width * 4, GL_RGBA,
                  pixels + rowOffset(layer.client.pack, width, components, y), format,
                  static_cast<size_t>(width), true);
  }
}

}  // namespace

void learnRenderer() {
  char* name = browserRenderer();
  renderer = std::string("tamsirel GL 1.1 layer on WebGL 2 (") + name + ")";
  std::free(name);
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" GLenum glGetError() {
  if (refusedInsideBegin()) return GL_NO_ERROR;
  const GLenum own = layer.error;
  if (own != GL_NO_ERROR) {
    layer.error = GL_NO_ERROR;
    return own;
  }
  return emscripten_glGetError();
}

extern "C" const GLubyte* glGetString(GLenum name) {
  if (refusedInsideBegin()) return nullptr;
  const char* text = nullptr;
  switch (name) {
    case GL_VENDOR: text = kVendor; break;
    case GL_RENDERER: text = renderer.c_str(); break;
    case GL_VERSION: text = kVersion; break;
    case GL_EXTENSIONS: text = kExtensions; break;
    default: recordError(GL_INVALID_ENUM);
  }
  return reinterpret_cast<const GLubyte*>(text);
}

extern "C" void glGetIntegerv(GLenum pname, GLint* data) {
  if (refusedInsideBegin() || layerValue(pname, data)) return;
  if (webglValue(pname)) {
    emscripten_glGetIntegerv(pname, data);
    return;
  }
  recordError(GL_INVALID_ENUM);
}

extern "C" void glReadBuffer(GLenum mode) {
  if (deferToList([=] { glReadBuffer(mode); }) || refusedInsideBegin()) return;
  // WebGL cannot read the front buffer: what was shown is gone once the page composited it.
  if (mode != GL_BACK) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.readBuffer = mode;
}

extern "C" void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format,
                             GLenum type, void* pixels) {
  if (refusedInsideBegin()) return;
  if (componentsOf(format) == 0 || type != GL_UNSIGNED_BYTE) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  if (width < 0 || height < 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  const size_t bytes = static_cast<size_t>(width) * height * 4;
  if (bytes == 0) return;
  // Kept from call to call, growing as needed: the capture tool reads back every frame.
  static std::vector<uint8_t> rgba;
  if (rgba.size() < bytes) rgba.resize(bytes);
  readRgba(x, y, width, height, rgba.data());
  packPixels(rgba, width, height, format, static_cast<uint8_t*>(pixels));
}

// GL's glFinish returns once every command before it has taken effect; WebGL's finish() may
// return before the rasteriser has drawn (Chromium's does). Reading a pixel back waits for it.
extern "C" void glFinish() {
  if (refusedInsideBegin()) return;
  uint8_t pixel[4];
  readRgba(0, 0, 1, 1, pixel);
}
