#include "platform/web/gl/fixed_function_program.h"

#include <vector>

namespace webgl_layer {

namespace {

const char* const kVertexShader = R"(#version 300 es
uniform mat4 modelView;
uniform mat4 projection;
uniform mat4 textureMatrix;
layout(location = 0) in vec3 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec2 texCoord;
out vec4 fragmentColour;
out vec3 fragmentTexCoord;
out float eyeDepth;
void main() {
  vec4 eye = modelView * vec4(position, 1.0);
  gl_Position = projection * eye;
  gl_PointSize = 1.0;
  fragmentColour = clamp(colour, 0.0, 1.0);
  vec4 t = textureMatrix * vec4(texCoord, 0.0, 1.0);
  fragmentTexCoord = t.xyw;
  eyeDepth = abs(eye.z);
}
)";

const char* const kFragmentShader = R"(#version 300 es
precision highp float;
uniform sampler2D image;
uniform int texturing;
uniform int fogMode;
uniform vec3 fog;
uniform vec4 fogColour;
in vec4 fragmentColour;
in vec3 fragmentTexCoord;
in float eyeDepth;
out vec4 colour;
float fogFactor() {
  if (fogMode == 1) return (fog.z - eyeDepth) / (fog.z - fog.y);
  if (fogMode == 2) return exp(-fog.x * eyeDepth);
  float d = fog.x * eyeDepth;
  return exp(-d * d);
}
void main() {
  vec4 c = fragmentColour;
  if (texturing != 0) c *= textureProj(image, fragmentTexCoord);
  if (fogMode != 0) c.rgb = mix(fogColour.rgb, c.rgb, clamp(fogFactor(), 0.0, 1.0));
  colour = c;
}
)";

// A shader's calls for a parameter and for the info log; a program's have the same types.
using GetParameter = decltype(&emscripten_glGetShaderiv);
using GetInfoLog = decltype(&emscripten_glGetShaderInfoLog);

// The info log of a shader or a program, read with the calls of its kind.
std::string infoLog(GLuint object, GetParameter getParameter, GetInfoLog getInfoLog) {
  GLint length = 0;
  getParameter(object, GL_INFO_LOG_LENGTH, &length);
  std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
  getInfoLog(object, length, nullptr, log.data());
  return log.data();
}

GLuint compile(GLenum stage, const char* source, std::string* failure) {
  const GLuint shader = emscripten_glCreateShader(stage);
  emscripten_glShaderSource(shader, 1, &source, nullptr);
  emscripten_glCompileShader(shader);
  GLint compiled = GL_FALSE;
  emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (compiled == GL_TRUE) return shader;
  *failure = (stage == GL_VERTEX_SHADER ? "vertex shader: " : "fragment shader: ") +
             infoLog(shader, emscripten_glGetShaderiv, emscripten_glGetShaderInfoLog);
  emscripten_glDeleteShader(shader);
  return 0;
}

void findUniforms(FixedFunctionProgram* p) {
  p->modelView = emscripten_glGetUniformLocation(p->program, "modelView");
  p->projection = emscripten_glGetUniformLocation(p->program, "projection");
  p->textureMatrix = emscripten_glGetUniformLocation(p->program, "textureMatrix");
  p->texturing = emscripten_glGetUniformLocation(p->program, "texturing");
  p->fogMode = emscripten_glGetUniformLocation(p->program, "fogMode");
  p->fog = emscripten_glGetUniformLocation(p->program, "fog");
  p->fogColour = emscripten_glGetUniformLocation(p->program, "fogColour");
}

}  // namespace

bool buildFixedFunctionProgram(FixedFunctionProgram* out, std::string* failure) {
  const GLuint vertex = compile(GL_VERTEX_SHADER, kVertexShader, failure);
  if (vertex == 0) return false;
  const GLuint fragment = compile(GL_FRAGMENT_SHADER, kFragmentShader, failure);
  if (fragment == 0) {
    emscripten_glDeleteShader(vertex);
    return false;
  }
  const GLuint program = emscripten_glCreateProgram();
  emscripten_glAttachShader(program, vertex);
  emscripten_glAttachShader(program, fragment);
  emscripten_glLinkProgram(program);
  emscripten_glDeleteShader(vertex);
  emscripten_glDeleteShader(fragment);
  GLint linked = GL_FALSE;
  emscripten_glGetProgramiv(program, GL_LINK_STATUS, &linked);
  if (linked != GL_TRUE) {
    *failure = "program: " +
               infoLog(program, emscripten_glGetProgramiv, emscripten_glGetProgramInfoLog);
    emscripten_glDeleteProgram(program);
    return false;
  }
  out->program = program;
  findUniforms(out);
  emscripten_glUseProgram(program);
  emscripten_glUniform1i(emscripten_glGetUniformLocation(program, "image"), 0);
  return true;
}

}  // namespace webgl_layer
