// A warm-up draws as the scene's frames do, where nobody sees it, and leaves no trace in the GL
// state the frames start from.
#include "scenes/warm_up.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "gl_fixture.h"

namespace {

using testing_support::GlTest;
using testing_support::readPixel;

std::array<GLfloat, 16> matrix(GLenum which) {
  std::array<GLfloat, 16> m{};
  glGetFloatv(which, m.data());
  return m;
}

constexpr std::array<GLfloat, 16> kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class WarmUpTest : public GlTest {};

TEST_F(WarmUpTest, DrawsFromAnIdentityModelViewIntoOnePixelAndPutsEverythingBack) {
  glViewport(0, 0, kWidth, kHeight);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -5.0f);
  const auto modelView = matrix(GL_MODELVIEW_MATRIX);
  // A scene's init may leave another matrix selected than its frames draw with.
  glMatrixMode(GL_TEXTURE);
  {
    const WarmUp offscreen;
    EXPECT_TRUE(warmingUp());
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW) << "a translation would go to the texture matrix";
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), kIdentity);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
  }
  EXPECT_FALSE(warmingUp());
  EXPECT_EQ(readPixel(0, 0).r, 255) << "the warm-up drew nothing";
  EXPECT_EQ(readPixel(1, 0).r, 0) << "the warm-up drew outside its pixel";
  EXPECT_EQ(readPixel(kWidth - 1, kHeight - 1).r, 0);
  GLint mode = 0, viewport[4] = {};
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(mode, GL_TEXTURE);
  EXPECT_EQ(viewport[2], kWidth);
  EXPECT_EQ(viewport[3], kHeight);
  EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelView);
  EXPECT_EQ(matrix(GL_TEXTURE_MATRIX), kIdentity);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

}  // namespace
