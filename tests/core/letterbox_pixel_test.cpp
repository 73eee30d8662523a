// The present step of a fullscreen surface of another shape than the picture, in a real GL
// context: what the viewer sees at the swap is the picture as the scene drew it between black
// bars, and the scene finds its GL state as it left it in the next frame.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/letterbox.h"
#include "gl_fixture.h"
#include "recording_platform.h"

namespace {

int surfaceWidth = 0;
int surfaceHeight = 0;
std::vector<uint8_t> presented;

void readAtTheSwap(platform::DeviceContext*) {
  presented = testing_support::readBackBuffer(surfaceWidth, surfaceHeight);
}

TEST(LetterboxPresent, ShowsThePictureBetweenBlackBarsAndLeavesTheSceneItsState) {
  struct Case {
    int width, height;
    PictureRect picture;
  };
  const Case cases[] = {
      {64, 36, {8, 0, 48, 36}},  // 16:9: bars at the sides
      {48, 48, {0, 6, 48, 36}},  // square: bars above and below
  };
  for (const Case& c : cases) {
    const std::string what = std::to_string(c.width) + "x" + std::to_string(c.height);
    testing_support::ScopedPlatform platform;
    platform.table().swapBuffers = readAtTheSwap;
    ASSERT_TRUE(testing_support::makeGlContext(c.width, c.height)) << "no offscreen GL context";
    surfaceWidth = c.width;
    surfaceHeight = c.height;
    Letterbox letterbox;
    letterbox.fitOn(c.width, c.height);
    letterbox.useViewport();
    // A scene's frame: the clear reaches the whole surface, whatever the viewport.
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(0.5f, 0.25f, 0.75f);
    glEnable(GL_BLEND);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(0.5f, 0.0f, 0.0f);
    letterbox.present(nullptr);

    ASSERT_EQ(presented.size(), static_cast<size_t>(c.width) * c.height * 3) << what;
    int wrong = 0;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const bool inPicture = x >= c.picture.x && x < c.picture.x + c.picture.width &&
                               y >= c.picture.y && y < c.picture.y + c.picture.height;
        const uint8_t want = inPicture ? 255 : 0;
        for (int k = 0; k < 3; ++k)
          wrong += presented[(static_cast<size_t>(y) * c.width + x) * 3 + k] != want ? 1 : 0;
      }
    }
    EXPECT_EQ(wrong, 0) << what << ": samples neither the scene's picture nor black bars";

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ((std::vector<int>(viewport, viewport + 4)),
              (std::vector<int>{c.picture.x, c.picture.y, c.picture.width, c.picture.height}))
        << what;
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ((std::vector<float>(colour, colour + 3)), (std::vector<float>{0.5f, 0.25f, 0.75f}))
        << what;
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << what;
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION) << what;
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[12], 0.5f) << what << ": the scene's projection is gone";
  }
}

}  // namespace
