#include "platform/web/gl/layer_state.h"

namespace webgl_layer {

Layer layer;

void recordError(GLenum error) {
  if (layer.error == GL_NO_ERROR) layer.error = error;
}

bool* capabilityOf(GLenum cap) {
  Capabilities& c = layer.state.enabled;
  switch (cap) {
    case GL_TEXTURE_2D: return &c.texture2d;
    case GL_BLEND: return &c.blend;
    case GL_DEPTH_TEST: return &c.depthTest;
    case GL_CULL_FACE: return &c.cullFace;
    case GL_FOG: return &c.fog;
    case GL_DITHER: return &c.dither;
    default: return nullptr;
  }
}

bool refusedInsideBegin() {
  if (!layer.insideBegin) return false;
  recordError(GL_INVALID_OPERATION);
  return true;
}

}  // namespace webgl_layer
