#include "core/letterbox.h"

#include <GL/gl.h>

#include <cstdint>
#include <initializer_list>

namespace {

// The shape the scenes are composed for (every resolution the setup dialog offers has it); they
// see the size they draw at in the clock's `width` and `height`.
constexpr int kSceneShapeWidth = 4;
constexpr int kSceneShapeHeight = 3;

// Rounded to the nearest pixel: the side that fills the surface is exact, and the other stays
// within the surface because it is a whole number of pixels there too.
int scaled(int side, int times, int over) {
  const int64_t n = static_cast<int64_t>(side) * times;
  const int rounded = static_cast<int>((2 * n + over) / (2 * static_cast<int64_t>(over)));
  return rounded > 0 ? rounded : 1;
}

// The largest 4:3 rectangle on the surface, centred; the whole surface when it is empty. Never
// empty on a surface that is not.
PictureRect fitScene(int surfaceWidth, int surfaceHeight) {
  PictureRect p{0, 0, surfaceWidth, surfaceHeight};
  if (surfaceWidth <= 0 || surfaceHeight <= 0) return p;
  if (static_cast<int64_t>(surfaceWidth) * kSceneShapeHeight >
      static_cast<int64_t>(surfaceHeight) * kSceneShapeWidth) {
    p.width = scaled(surfaceHeight, kSceneShapeWidth, kSceneShapeHeight);
  } else {
    p.height = scaled(surfaceWidth, kSceneShapeHeight, kSceneShapeWidth);
  }
  p.x = (surfaceWidth - p.width) / 2;
  p.y = (surfaceHeight - p.height) / 2;
  return p;
}

// The picture in the buffer's own coordinates.
PictureRect inBuffer(const PictureRect& picture, const PictureRect& buffer) {
  return {picture.x - buffer.x, picture.y - buffer.y, picture.width, picture.height};
}

// Each bar is a viewport of its own with one quad over all of it, so its edges fall on whole
// pixels whatever the matrices. A quad rather than a scissored clear: the page's GL layer has no
// scissor.
void paintBars(const PictureRect& p, int bufferWidth, int bufferHeight) {
  const int right = p.x + p.width;
  const int top = p.y + p.height;
  const PictureRect bars[] = {
      {0, 0, p.x, bufferHeight},
      {right, 0, bufferWidth - right, bufferHeight},
      {p.x, 0, p.width, p.y},
      {p.x, top, p.width, bufferHeight - top},
  };
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  for (GLenum cap : {GL_TEXTURE_2D, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_FOG}) glDisable(cap);
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(mode);
    glPushMatrix();
    glLoadIdentity();
  }
  glColor3f(0.0f, 0.0f, 0.0f);
  for (const PictureRect& bar : bars) {
    if (bar.width <= 0 || bar.height <= 0) continue;
    glViewport(bar.x, bar.y, bar.width, bar.height);
    glBegin(GL_QUADS);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glEnd();
  }
  for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(mode);
    glPopMatrix();
  }
  glPopAttrib();  // the viewport, the matrix mode, the colour and every switch
}

}  // namespace

void Letterbox::fitOn(int surfaceWidth, int surfaceHeight) {
  surfaceWidth_ = surfaceWidth;
  surfaceHeight_ = surfaceHeight;
  picture_ = fitScene(surfaceWidth, surfaceHeight);
  buffer_ = {0, 0, surfaceWidth, surfaceHeight};
}

void Letterbox::fill(int surfaceWidth, int surfaceHeight) {
  surfaceWidth_ = surfaceWidth;
  surfaceHeight_ = surfaceHeight;
  picture_ = {0, 0, surfaceWidth, surfaceHeight};
  buffer_ = picture_;
}

void Letterbox::fitAroundBuffer(int frameWidth, int frameHeight) {
  surfaceWidth_ = frameWidth;
  surfaceHeight_ = frameHeight;
  picture_ = fitScene(frameWidth, frameHeight);
  buffer_ = picture_;
}

void Letterbox::useViewport() const {
  const PictureRect v = inBuffer(picture_, buffer_);
  glViewport(v.x, v.y, v.width, v.height);
}

void Letterbox::present(platform::DeviceContext* deviceContext) const {
  const PictureRect v = inBuffer(picture_, buffer_);
  if (v.width != buffer_.width || v.height != buffer_.height) {
    paintBars(v, buffer_.width, buffer_.height);
  }
  platform::current().swapBuffers(deviceContext);
}
