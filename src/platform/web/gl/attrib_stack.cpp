// glPushAttrib and glPopAttrib for the groups whose state the layer keeps, and glPushClientAttrib
// and glPopClientAttrib for the pixel store. Groups with nothing the layer lets change (lines,
// points, stencil, scissor, lists ...) are taken and have nothing to restore.
#include "platform/web/gl/attrib_stack.h"

#include <algorithm>
#include <vector>

#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/textures.h"

namespace webgl_layer {

namespace {

// GL's minimum depth of both stacks, Mesa's too.
constexpr size_t kMaxAttribDepth = 16;

struct SavedAttribs {
  GLbitfield mask;
  ServerState state;
  TextureParameters boundParameters;  // of the texture bound at the push
};

struct SavedClientAttribs {
  GLbitfield mask;
  ClientState client;
};

std::vector<SavedAttribs> attribStack;
std::vector<SavedClientAttribs> clientAttribStack;

void restoreColourBuffer(const ServerState& from, ServerState* to) {
  to->enabled.blend = from.enabled.blend;
  to->enabled.dither = from.enabled.dither;
  to->blendSrc = from.blendSrc;
  to->blendDst = from.blendDst;
  std::copy(from.clearColour, from.clearColour + 4, to->clearColour);
}

void restoreDepthBuffer(const ServerState& from, ServerState* to) {
  to->enabled.depthTest = from.enabled.depthTest;
  to->depthFunc = from.depthFunc;
  to->clearDepth = from.clearDepth;
}

void restoreCurrent(const ServerState& from, ServerState* to) {
  std::copy(from.colour, from.colour + 4, to->colour);
  std::copy(from.texCoord, from.texCoord + 4, to->texCoord);
}

void restoreTexture(const SavedAttribs& saved, ServerState* to) {
  to->enabled.texture2d = saved.state.enabled.texture2d;
  to->texture = saved.state.texture;
  restoreTextureParameters(saved.state.texture, saved.boundParameters);
}

void restoreGroups(const SavedAttribs& saved, ServerState* to) {
  const ServerState& from = saved.state;
  const GLbitfield mask = saved.mask;
  if (mask & GL_CURRENT_BIT) restoreCurrent(from, to);
  if (mask & GL_ENABLE_BIT) to->enabled = from.enabled;
  if (mask & GL_COLOR_BUFFER_BIT) restoreColourBuffer(from, to);
  if (mask & GL_DEPTH_BUFFER_BIT) restoreDepthBuffer(from, to);
  if (mask & GL_FOG_BIT) {
    to->enabled.fog = from.enabled.fog;
    to->fog = from.fog;
  }
  if (mask & GL_HINT_BIT) to->hints = from.hints;
  if (mask & GL_LIGHTING_BIT) to->shadeModel = from.shadeModel;
  if (mask & GL_POLYGON_BIT) {
    to->enabled.cullFace = from.enabled.cullFace;
    to->cullFaceMode = from.cullFaceMode;
  }
  if (mask & GL_PIXEL_MODE_BIT) to->readBuffer = from.readBuffer;
  if (mask & GL_TRANSFORM_BIT) to->matrixMode = from.matrixMode;
  if (mask & GL_VIEWPORT_BIT) std::copy(from.viewport, from.viewport + 4, to->viewport);
  if (mask & GL_TEXTURE_BIT) restoreTexture(saved, to);
}

}  // namespace

int attribStackDepth() { return static_cast<int>(attribStack.size()); }
int clientAttribStackDepth() { return static_cast<int>(clientAttribStack.size()); }
int maxAttribStackDepth() { return static_cast<int>(kMaxAttribDepth); }

void resetAttribStacks() {
  attribStack.clear();
  clientAttribStack.clear();
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glPushAttrib(GLbitfield mask) {
  if (deferToList([=] { glPushAttrib(mask); }) || refusedInsideBegin()) return;
  if (attribStack.size() >= kMaxAttribDepth) {
    recordError(GL_STACK_OVERFLOW);
    return;
  }
  attribStack.push_back({mask, layer.state, boundTexture().parameters});
}

extern "C" void glPopAttrib() {
  if (deferToList([] { glPopAttrib(); }) || refusedInsideBegin()) return;
  if (attribStack.empty()) {
    recordError(GL_STACK_UNDERFLOW);
    return;
  }
  restoreGroups(attribStack.back(), &layer.state);
  attribStack.pop_back();
}

extern "C" void glPushClientAttrib(GLbitfield mask) {
  if (refusedInsideBegin()) return;
  if (clientAttribStack.size() >= kMaxAttribDepth) {
    recordError(GL_STACK_OVERFLOW);
    return;
  }
  clientAttribStack.push_back({mask, layer.client});
}

extern "C" void glPopClientAttrib() {
  if (refusedInsideBegin()) return;
  if (clientAttribStack.empty()) {
    recordError(GL_STACK_UNDERFLOW);
    return;
  }
  const SavedClientAttribs& saved = clientAttribStack.back();
  if (saved.mask & GL_CLIENT_PIXEL_STORE_BIT) layer.client = saved.client;
  clientAttribStack.pop_back();
}
