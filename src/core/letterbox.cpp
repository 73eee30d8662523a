// The bars are painted after the frame is drawn, just before it is presented: a scene clears the
// whole surface in its own colour (the clear ignores the viewport), and a back buffer holds
// nothing for sure after a swap, so they are black again in every frame.
#include "core/letterbox.h"

#include <GL/gl.h>

#include <cstdint>
#include <initializer_list>

namespace {

// Rounded to the nearest pixel: the side that fills the surface is exact, and the other stays
// within the surface because it is a whole number of pixels there too.
int scaled(int side, int times, int over) {
  const int64_t n = static_cast<int64_t>(side) * times;
  const int rounded = static_cast<int>((2 * n + over) / (2 * static_cast<int64_t>(over)));
  return rounded > 0 ? rounded : 1;
}

}  // namespace

Letterbox fitLetterbox(int surfaceWidth, int surfaceHeight, int shapeWidth, int shapeHeight) {
  Letterbox box{surfaceWidth, surfaceHeight, {0, 0, surfaceWidth, surfaceHeight}};
  if (surfaceWidth <= 0 || surfaceHeight <= 0 || shapeWidth <= 0 || shapeHeight <= 0) return box;
  PictureRect& p = box.picture;
  if (static_cast<int64_t>(surfaceWidth) * shapeHeight >
      static_cast<int64_t>(surfaceHeight) * shapeWidth) {
    p.width = scaled(surfaceHeight, shapeWidth, shapeHeight);
  } else {
    p.height = scaled(surfaceWidth, shapeHeight, shapeWidth);
  }
  p.x = (surfaceWidth - p.width) / 2;
  p.y = (surfaceHeight - p.height) / 2;
  return box;
}

// Each bar is a viewport of its own with one quad over all of it, so its edges fall on whole
// pixels whatever the matrices. A quad rather than a scissored clear: the page's GL layer has no
// scissor.
void paintBars(const Letterbox& box) {
  const PictureRect& p = box.picture;
  const int right = p.x + p.width;
  const int top = p.y + p.height;
  const PictureRect bars[] = {
      {0, 0, p.x, box.surfaceHeight},
      {right, 0, box.surfaceWidth - right, box.surfaceHeight},
      {p.x, 0, p.width, p.y},
      {p.x, top, p.width, box.surfaceHeight - top},
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
