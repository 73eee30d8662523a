#include "platform/web/gl/renderer.h"

#include <algorithm>
#include <cstring>

#include "platform/web/gl/fixed_function_program.h"
#include "platform/web/gl/matrix_stacks.h"

namespace webgl_layer {

namespace {

// What WebGL was last given; each sync sends only what differs from it.
struct Sent {
  Capabilities enabled;  // blend, depth test, cull face and dither are WebGL's; the rest unused
  GLenum blendSrc = GL_ONE;
  GLenum blendDst = GL_ZERO;
  GLenum depthFunc = GL_LESS;
  GLenum cullFaceMode = GL_BACK;
  GLfloat clearColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  GLfloat clearDepth = 1.0f;
  GLint viewport[4] = {0, 0, 0, 0};
  GLuint webglTexture = 0;
  PixelStore unpack;
  Mat4 modelView = identityMatrix();
  Mat4 projection = identityMatrix();
  Mat4 textureMatrix = identityMatrix();
  GLint texturing = 0;
  GLint fogMode = kFogOff;
  GLfloat fog[3] = {1.0f, 0.0f, 1.0f};
  GLfloat fogColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

// The streaming buffer holds this many vertices before it is replaced by a fresh one; a
// primitive larger than that makes it grow.
constexpr size_t kStreamVertices = 16384;

FixedFunctionProgram program;
GLuint vertexBuffer = 0;
size_t bufferCapacity = 0;
size_t bufferUsed = 0;
GLuint whiteTexture = 0;
Sent sent;

void setCapability(GLenum cap, bool on) {
  if (on) {
    emscripten_glEnable(cap);
  } else {
    emscripten_glDisable(cap);
  }
}

void sendCapability(GLenum cap, bool wanted, bool* was) {
  if (wanted == *was) return;
  setCapability(cap, wanted);
  *was = wanted;
}

void bindWebGlTexture(GLuint webglName) {
  if (sent.webglTexture == webglName) return;
  emscripten_glBindTexture(GL_TEXTURE_2D, webglName);
  sent.webglTexture = webglName;
}

void syncPipeline() {
  const ServerState& s = layer.state;
  sendCapability(GL_BLEND, s.enabled.blend, &sent.enabled.blend);
  sendCapability(GL_DEPTH_TEST, s.enabled.depthTest, &sent.enabled.depthTest);
  sendCapability(GL_CULL_FACE, s.enabled.cullFace, &sent.enabled.cullFace);
  sendCapability(GL_DITHER, s.enabled.dither, &sent.enabled.dither);
  if (s.blendSrc != sent.blendSrc || s.blendDst != sent.blendDst) {
    emscripten_glBlendFunc(s.blendSrc, s.blendDst);
    sent.blendSrc = s.blendSrc;
    sent.blendDst = s.blendDst;
  }
  if (s.depthFunc != sent.depthFunc) emscripten_glDepthFunc(sent.depthFunc = s.depthFunc);
  if (s.cullFaceMode != sent.cullFaceMode) emscripten_glCullFace(sent.cullFaceMode = s.cullFaceMode);
  if (!std::equal(s.viewport, s.viewport + 4, sent.viewport)) {
    emscripten_glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
    std::copy(s.viewport, s.viewport + 4, sent.viewport);
  }
}

void sendMatrix(GLint location, const Mat4& wanted, Mat4* was) {
  if (std::memcmp(wanted.m, was->m, sizeof wanted.m) == 0) return;
  emscripten_glUniformMatrix4fv(location, 1, GL_FALSE, wanted.m);
  *was = wanted;
}

GLint fogModeOf(const ServerState& s) {
  if (!s.enabled.fog) return kFogOff;
  if (s.fog.mode == GL_LINEAR) return kFogLinear;
  return s.fog.mode == GL_EXP2 ? kFogExp2 : kFogExp;
}

void syncFog() {
  const ServerState& s = layer.state;
  const GLint mode = fogModeOf(s);
  if (mode != sent.fogMode) emscripten_glUniform1i(program.fogMode, sent.fogMode = mode);
  if (mode == kFogOff) return;
  const GLfloat fog[3] = {s.fog.density, s.fog.start, s.fog.end};
  if (!std::equal(fog, fog + 3, sent.fog)) {
    emscripten_glUniform3fv(program.fog, 1, fog);
    std::copy(fog, fog + 3, sent.fog);
  }
  if (!std::equal(s.fog.colour, s.fog.colour + 4, sent.fogColour)) {
    emscripten_glUniform4fv(program.fogColour, 1, s.fog.colour);
    std::copy(s.fog.colour, s.fog.colour + 4, sent.fogColour);
  }
}

void syncUniforms(bool texturing) {
  sendMatrix(program.modelView, topMatrix(GL_MODELVIEW), &sent.modelView);
  sendMatrix(program.projection, topMatrix(GL_PROJECTION), &sent.projection);
  if (texturing) sendMatrix(program.textureMatrix, topMatrix(GL_TEXTURE), &sent.textureMatrix);
  if (GLint t = texturing ? 1 : 0; t != sent.texturing) {
    emscripten_glUniform1i(program.texturing, sent.texturing = t);
  }
  syncFog();
}

// The first vertex's index in the buffer, after the vertices are in it.
GLint streamVertices(const Vertex* vertices, size_t count) {
  if (bufferUsed + count > bufferCapacity) {
    bufferCapacity = std::max(kStreamVertices, count);
    emscripten_glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bufferCapacity * sizeof(Vertex)),
                            nullptr, GL_STREAM_DRAW);
    bufferUsed = 0;
  }
  emscripten_glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(bufferUsed * sizeof(Vertex)),
                             static_cast<GLsizeiptr>(count * sizeof(Vertex)), vertices);
  const GLint first = static_cast<GLint>(bufferUsed);
  bufferUsed += count;
  return first;
}

void makeVertexArray() {
  GLuint vertexArray = 0;
  emscripten_glGenVertexArrays(1, &vertexArray);
  emscripten_glBindVertexArray(vertexArray);
  emscripten_glGenBuffers(1, &vertexBuffer);
  emscripten_glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  bufferCapacity = 0;
  bufferUsed = 0;
  const GLsizei stride = sizeof(Vertex);
  emscripten_glEnableVertexAttribArray(kPositionAttribute);
  emscripten_glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                                   reinterpret_cast<void*>(offsetof(Vertex, position)));
  emscripten_glEnableVertexAttribArray(kColourAttribute);
  emscripten_glVertexAttribPointer(kColourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                                   reinterpret_cast<void*>(offsetof(Vertex, colour)));
  emscripten_glEnableVertexAttribArray(kTexCoordAttribute);
  emscripten_glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                                   reinterpret_cast<void*>(offsetof(Vertex, texCoord)));
}

void makeWhiteTexture() {
  const uint8_t white[4] = {255, 255, 255, 255};
  emscripten_glGenTextures(1, &whiteTexture);
  emscripten_glBindTexture(GL_TEXTURE_2D, whiteTexture);
  emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
}

// WebGL's state as GL 1.1 starts (the values `Sent` begins with), sent whatever WebGL held, so
// that `sent` is true from here on.
void sendDefaults() {
  sent = Sent{};
  setCapability(GL_BLEND, sent.enabled.blend);
  setCapability(GL_DEPTH_TEST, sent.enabled.depthTest);
  setCapability(GL_CULL_FACE, sent.enabled.cullFace);
  setCapability(GL_DITHER, sent.enabled.dither);
  emscripten_glBlendFunc(sent.blendSrc, sent.blendDst);
  emscripten_glDepthFunc(sent.depthFunc);
  emscripten_glCullFace(sent.cullFaceMode);
  const GLfloat* clear = sent.clearColour;
  emscripten_glClearColor(clear[0], clear[1], clear[2], clear[3]);
  emscripten_glClearDepthf(sent.clearDepth);
  emscripten_glGetIntegerv(GL_VIEWPORT, sent.viewport);
  const PixelStore& unpack = sent.unpack;
  emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, unpack.alignment);
  emscripten_glPixelStorei(GL_UNPACK_ROW_LENGTH, unpack.rowLength);
  emscripten_glPixelStorei(GL_UNPACK_SKIP_ROWS, unpack.skipRows);
  emscripten_glPixelStorei(GL_UNPACK_SKIP_PIXELS, unpack.skipPixels);
  // The pack side stays at GL's defaults from here on: readRgba reads tight rows, and the
  // program's pack state is applied as queries.cpp copies them out.
  const PixelStore pack;
  emscripten_glPixelStorei(GL_PACK_ALIGNMENT, pack.alignment);
  emscripten_glPixelStorei(GL_PACK_ROW_LENGTH, pack.rowLength);
  emscripten_glPixelStorei(GL_PACK_SKIP_ROWS, pack.skipRows);
  emscripten_glPixelStorei(GL_PACK_SKIP_PIXELS, pack.skipPixels);
  emscripten_glActiveTexture(GL_TEXTURE0);
  emscripten_glBindTexture(GL_TEXTURE_2D, whiteTexture);
  sent.webglTexture = whiteTexture;
  for (GLint location : {program.modelView, program.projection, program.textureMatrix}) {
    emscripten_glUniformMatrix4fv(location, 1, GL_FALSE, sent.modelView.m);
  }
  emscripten_glUniform1i(program.texturing, 0);
  emscripten_glUniform1i(program.fogMode, kFogOff);
  emscripten_glUniform3fv(program.fog, 1, sent.fog);
  emscripten_glUniform4fv(program.fogColour, 1, sent.fogColour);
}

}  // namespace

bool startRenderer(std::string* failure) {
  if (!restartRenderer(failure)) return false;
  std::copy(sent.viewport, sent.viewport + 4, layer.state.viewport);
  return true;
}

bool restartRenderer(std::string* failure) {
  program = FixedFunctionProgram{};
  if (!buildFixedFunctionProgram(&program, failure)) return false;
  makeVertexArray();
  makeWhiteTexture();
  sendDefaults();
  return true;
}

void drawVertices(GLenum mode, const Vertex* vertices, size_t count) {
  if (count == 0) return;
  const TextureObject& texture = boundTexture();
  const bool texturing = layer.state.enabled.texture2d && textureComplete(texture);
  // A texture WebGL finds incomplete reads as black and gets a console warning: unused, the
  // sampler reads the white one instead.
  bindWebGlTexture(texturing ? texture.webglName : whiteTexture);
  syncPipeline();
  syncUniforms(texturing);
  const GLint first = streamVertices(vertices, count);
  emscripten_glDrawArrays(mode, first, static_cast<GLsizei>(count));
}

void clearBuffers(GLbitfield mask) {
  const ServerState& s = layer.state;
  if (!std::equal(s.clearColour, s.clearColour + 4, sent.clearColour)) {
    emscripten_glClearColor(s.clearColour[0], s.clearColour[1], s.clearColour[2], s.clearColour[3]);
    std::copy(s.clearColour, s.clearColour + 4, sent.clearColour);
  }
  if (s.clearDepth != sent.clearDepth) emscripten_glClearDepthf(sent.clearDepth = s.clearDepth);
  sendCapability(GL_DITHER, s.enabled.dither, &sent.enabled.dither);
  emscripten_glClear(mask);
}

void readRgba(GLint x, GLint y, GLsizei width, GLsizei height, uint8_t* rgba) {
  emscripten_glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void bindForUpload(const TextureObject& texture) { bindWebGlTexture(texture.webglName); }

void syncUnpack(const PixelStore& store) {
  PixelStore& was = sent.unpack;
  if (store.alignment != was.alignment) {
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, store.alignment);
  }
  if (store.rowLength != was.rowLength) {
    emscripten_glPixelStorei(GL_UNPACK_ROW_LENGTH, store.rowLength);
  }
  if (store.skipRows != was.skipRows) emscripten_glPixelStorei(GL_UNPACK_SKIP_ROWS, store.skipRows);
  if (store.skipPixels != was.skipPixels) {
    emscripten_glPixelStorei(GL_UNPACK_SKIP_PIXELS, store.skipPixels);
  }
  was = store;
}

void forgetWebGlTexture(GLuint webglName) {
  if (sent.webglTexture == webglName) sent.webglTexture = 0;
}

}  // namespace webgl_layer
