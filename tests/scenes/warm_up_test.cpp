// A warm-up draws as the scene's frames do, where nobody sees it, and leaves no trace in the GL
// state the frames start from.
#include "scenes/warm_up.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "core/demo_clock.h"
#include "gl_fixture.h"
#include "scenes/texture_slots.h"

namespace {

using testing_support::GlTest;
using testing_support::readPixel;
using testing_support::solidTexture;

std::array<GLfloat, 16> matrix(GLenum which) {
  std::array<GLfloat, 16> m{};
  glGetFloatv(which, m.data());
  return m;
}

constexpr std::array<GLfloat, 16> kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

class WarmUpTest : public GlTest {};

// Like the scenes' own set-ups: a switch, a projection, and the projection matrix left selected.
void setUpLikeAScene() {
  glEnable(GL_BLEND);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-2.0, 2.0, -2.0, 2.0, -1.0, 1.0);
}

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
    const WarmUp offscreen(setUpLikeAScene);
    EXPECT_TRUE(warmingUp());
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "the scene's state is not set";
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW) << "a translation would go to another matrix";
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), kIdentity);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRectf(-2.0f, -2.0f, 2.0f, 2.0f);
  }
  EXPECT_FALSE(warmingUp());
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
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
  EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), kIdentity);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

// A warm-up runs while another scene plays: the slots hold that scene's textures, and the
// warm-up must sample stand-ins filtered as its own files say, never them.
TEST_F(WarmUpTest, BindsItsOwnSceneStandInsNotTheSlotsOfTheScenePlaying) {
  DemoClock playing;
  playing.textures[0] = solidTexture({255, 0, 0}, GL_LINEAR);
  playing.textures[1] = solidTexture({0, 255, 0}, GL_NEAREST);
  DemoClock* const before = demoClock;
  demoClock = &playing;
  constexpr TextureFile kFiles[] = {{"a.png", GL_NEAREST}, {"b.png", GL_LINEAR}};
  const WarmUp offscreen([] {}, kFiles);
  for (int slot : {0, 1}) {
    bindSlot(slot);
    GLint bound = 0, filter = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(static_cast<unsigned>(bound), standInTexture(kFiles[slot].filter)) << slot;
    EXPECT_EQ(filter, kFiles[slot].filter) << slot;
  }
  demoClock = before;
}

}  // namespace
