// The three matrix stacks (model-view, projection, texture) behind glMatrixMode, glLoadIdentity,
// glLoadMatrixf, glMultMatrixf, glTranslatef, glRotatef, glScalef, glPushMatrix, glPopMatrix,
// gluPerspective and gluLookAt. The renderer reads the top of each at every draw.
#pragma once

#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/matrix.h"

namespace webgl_layer {

// Depths as Mesa gives them (GL 1.1 asks at least 32, 2 and 2).
constexpr int kMaxModelViewDepth = 32;
constexpr int kMaxProjectionDepth = 32;
constexpr int kMaxTextureMatrixDepth = 10;

const Mat4& topMatrix(GLenum mode);
int matrixStackDepth(GLenum mode);
int maxMatrixStackDepth(GLenum mode);
// Each stack back to one identity matrix.
void resetMatrixStacks();

}  // namespace webgl_layer
