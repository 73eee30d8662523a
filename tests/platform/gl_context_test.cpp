// The offscreen context every pixel test draws in: legacy fixed-function GL with a readable back
// buffer and at least the colour and depth precision the demo's window asks for.
#include <GL/gl.h>

#include "gl_fixture.h"

namespace {

using testing_support::GlTest;
using testing_support::readPixel;

TEST_F(GlTest, ImmediateModeQuadReachesTheBackBuffer) {
  glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glBegin(GL_QUADS);
  glColor3f(1.0f, 0.0f, 0.0f);
  glVertex2f(-1.0f, -1.0f);
  glVertex2f(0.0f, -1.0f);
  glVertex2f(0.0f, 1.0f);
  glVertex2f(-1.0f, 1.0f);
  glEnd();
  const testing_support::Rgb left = readPixel(kWidth / 4, kHeight / 2);
  const testing_support::Rgb right = readPixel(3 * kWidth / 4, kHeight / 2);
  EXPECT_EQ(left.r, 255);
  EXPECT_EQ(left.b, 0);
  EXPECT_EQ(right.r, 0);
  EXPECT_EQ(right.b, 255);
}

TEST_F(GlTest, EachTestStartsFromDefaultState) {
  GLboolean blend = GL_TRUE;
  glGetBooleanv(GL_BLEND, &blend);
  EXPECT_EQ(blend, GL_FALSE);
  glEnable(GL_BLEND);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

TEST_F(GlTest, DepthAndColourPrecisionMeetTheWindowRequest) {
  GLint depth = 0, red = 0, green = 0, blue = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  glGetIntegerv(GL_RED_BITS, &red);
  glGetIntegerv(GL_GREEN_BITS, &green);
  glGetIntegerv(GL_BLUE_BITS, &blue);
  EXPECT_GE(depth, 16);
  EXPECT_GE(red + green + blue, 15);
}

}  // namespace
