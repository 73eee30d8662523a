#include "platform/web/gl/matrix_stacks.h"

#include <vector>

#include "platform/web/gl/display_lists.h"

namespace webgl_layer {

namespace {

std::vector<Mat4> modelView{identityMatrix()};
std::vector<Mat4> projection{identityMatrix()};
std::vector<Mat4> textureMatrix{identityMatrix()};

std::vector<Mat4>& stackOf(GLenum mode) {
  if (mode == GL_PROJECTION) return projection;
  if (mode == GL_TEXTURE) return textureMatrix;
  return modelView;
}

Mat4& current() { return stackOf(layer.state.matrixMode).back(); }

void multiplyCurrent(const Mat4& by) { current() = multiply(current(), by); }

}  // namespace

const Mat4& topMatrix(GLenum mode) { return stackOf(mode).back(); }

int matrixStackDepth(GLenum mode) { return static_cast<int>(stackOf(mode).size()); }

int maxMatrixStackDepth(GLenum mode) {
  if (mode == GL_PROJECTION) return kMaxProjectionDepth;
  if (mode == GL_TEXTURE) return kMaxTextureMatrixDepth;
  return kMaxModelViewDepth;
}

void resetMatrixStacks() {
  for (GLenum mode : {GL_MODELVIEW, GL_PROJECTION, GL_TEXTURE}) {
    stackOf(mode).assign(1, identityMatrix());
  }
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glMatrixMode(GLenum mode) {
  if (deferToList([=] { glMatrixMode(mode); }) || refusedInsideBegin()) return;
  if (mode != GL_MODELVIEW && mode != GL_PROJECTION && mode != GL_TEXTURE) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  layer.state.matrixMode = mode;
}

extern "C" void glLoadIdentity() {
  if (deferToList([] { glLoadIdentity(); }) || refusedInsideBegin()) return;
  current() = identityMatrix();
}

extern "C" void glLoadMatrixf(const GLfloat* m) {
  Mat4 loaded;
  for (int i = 0; i < 16; ++i) loaded.m[i] = m[i];
  if (deferToList([=] { glLoadMatrixf(loaded.m); }) || refusedInsideBegin()) return;
  current() = loaded;
}

extern "C" void glMultMatrixf(const GLfloat* m) {
  Mat4 by;
  for (int i = 0; i < 16; ++i) by.m[i] = m[i];
  if (deferToList([=] { glMultMatrixf(by.m); }) || refusedInsideBegin()) return;
  multiplyCurrent(by);
}

extern "C" void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
  if (deferToList([=] { glTranslatef(x, y, z); }) || refusedInsideBegin()) return;
  multiplyCurrent(translation(x, y, z));
}

extern "C" void glScalef(GLfloat x, GLfloat y, GLfloat z) {
  if (deferToList([=] { glScalef(x, y, z); }) || refusedInsideBegin()) return;
  multiplyCurrent(scaling(x, y, z));
}

extern "C" void glRotatef(GLfloat degrees, GLfloat x, GLfloat y, GLfloat z) {
  if (deferToList([=] { glRotatef(degrees, x, y, z); }) || refusedInsideBegin()) return;
  Mat4 r;
  if (rotation(degrees, x, y, z, &r)) multiplyCurrent(r);
}

extern "C" void glPushMatrix() {
  if (deferToList([] { glPushMatrix(); }) || refusedInsideBegin()) return;
  std::vector<Mat4>& stack = stackOf(layer.state.matrixMode);
  if (static_cast<int>(stack.size()) >= maxMatrixStackDepth(layer.state.matrixMode)) {
    recordError(GL_STACK_OVERFLOW);
    return;
  }
  stack.push_back(stack.back());
}

extern "C" void glPopMatrix() {
  if (deferToList([] { glPopMatrix(); }) || refusedInsideBegin()) return;
  std::vector<Mat4>& stack = stackOf(layer.state.matrixMode);
  if (stack.size() == 1) {
    recordError(GL_STACK_UNDERFLOW);
    return;
  }
  stack.pop_back();
}

// GLU builds its matrix and hands it to glMultMatrix: inside a display list it is the product
// that is recorded.
extern "C" void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
  Mat4 p;
  if (perspective(fovy, aspect, zNear, zFar, &p)) glMultMatrixf(p.m);
}

extern "C" void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX,
                          GLdouble centreY, GLdouble centreZ, GLdouble upX, GLdouble upY,
                          GLdouble upZ) {
  const double eye[3] = {eyeX, eyeY, eyeZ};
  const double centre[3] = {centreX, centreY, centreZ};
  const double up[3] = {upX, upY, upZ};
  glMultMatrixf(lookAt(eye, centre, up).m);
}
