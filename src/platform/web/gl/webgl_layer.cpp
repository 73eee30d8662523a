#include "platform/web/gl/webgl_layer.h"

#include <cstdio>
#include <string>

#include "platform/web/gl/attrib_stack.h"
#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/matrix_stacks.h"
#include "platform/web/gl/queries.h"
#include "platform/web/gl/renderer.h"
#include "platform/web/gl/textures.h"

using namespace webgl_layer;

bool webglLayerStart() {
  layer = Layer{};
  resetMatrixStacks();
  resetDisplayLists();
  resetAttribStacks();
  resetTextures();
  std::string failure;
  if (!startRenderer(&failure)) {
    std::fprintf(stderr, "tamsirel: WebGL 2 refused the GL 1.1 layer's program: %s\n",
                 failure.c_str());
    return false;
  }
  boundTexture();  // GL 1.1's default texture, name 0
  learnRenderer();
  return true;
}

bool webglLayerRestore() {
  std::string failure;
  if (!restartRenderer(&failure)) {
    std::fprintf(stderr, "tamsirel: the restored WebGL 2 context refused the GL 1.1 layer: %s\n",
                 failure.c_str());
    return false;
  }
  restoreTextures();
  return true;
}
