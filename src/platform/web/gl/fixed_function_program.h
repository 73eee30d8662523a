// The one WebGL 2 program that draws what GL 1.1's fixed-function pipeline draws in this layer's
// subset: vertex colours clamped to [0, 1], a 2D texture through the texture matrix under
// GL_MODULATE, and fog (GL_LINEAR, GL_EXP, GL_EXP2) on the eye-space depth's absolute value, the
// distance Mesa uses. No lighting, no alpha test, no texture generation.
#pragma once

#include <webgl/webgl1.h>
#include <webgl/webgl2.h>

#include <string>

namespace webgl_layer {

// Vertex attribute locations, fixed in the program.
constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kColourAttribute = 1;
constexpr GLuint kTexCoordAttribute = 2;

// The fog uniform's modes: 0 when fog is off.
constexpr GLint kFogOff = 0;
constexpr GLint kFogLinear = 1;
constexpr GLint kFogExp = 2;
constexpr GLint kFogExp2 = 3;

struct FixedFunctionProgram {
  GLuint program = 0;
  GLint modelView = -1;
  GLint projection = -1;
  GLint textureMatrix = -1;
  GLint texturing = -1;    // int: 0 or 1
  GLint fogMode = -1;      // int: kFogOff ... kFogExp2
  GLint fog = -1;          // vec3: density, start, end
  GLint fogColour = -1;    // vec4
};

// Compiles and links the program in the current context, its sampler on texture unit 0. False,
// with WebGL's log in `failure`, when either stage or the link fails.
bool buildFixedFunctionProgram(FixedFunctionProgram* out, std::string* failure);

}  // namespace webgl_layer
