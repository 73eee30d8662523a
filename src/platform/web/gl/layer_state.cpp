#include "platform/web/gl/layer_state.h"

namespace webgl_layer {

Layer layer;

void recordError(GLenum error) {
  if (layer.error == GL_NO_ERROR) layer.error = error;
}

bool refusedInsideBegin() {
  if (!layer.insideBegin) return false;
  recordError(GL_INVALID_OPERATION);
  return true;
}

}  // namespace webgl_layer
