// The bars are cleared after the frame is drawn, just before it is presented: a scene clears the
// whole surface in its own colour (the clear ignores the viewport), and a back buffer holds
// nothing for sure after a swap, so they are black again in every frame.
#include "core/letterbox.h"

#include <GL/gl.h>

#include <cstdint>

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

void clearBars(const Letterbox& box) {
  const PictureRect& p = box.picture;
  const int right = p.x + p.width;
  const int top = p.y + p.height;
  const PictureRect bars[] = {
      {0, 0, p.x, box.surfaceHeight},
      {right, 0, box.surfaceWidth - right, box.surfaceHeight},
      {p.x, 0, p.width, p.y},
      {p.x, top, p.width, box.surfaceHeight - top},
  };
  glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
  glEnable(GL_SCISSOR_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  for (const PictureRect& bar : bars) {
    if (bar.width <= 0 || bar.height <= 0) continue;
    glScissor(bar.x, bar.y, bar.width, bar.height);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  glPopAttrib();
}
