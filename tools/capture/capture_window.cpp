#include "capture_window.h"

#include <GL/gl.h>

#include <cstdio>

#include "core/demo_clock.h"
#include "core/letterbox.h"
#include "platform/platform.h"
#include "startup/gl_window.h"

// The scenes are composed for 4:3: a frame of another shape holds, in its middle, the 4:3 picture
// a capture of that picture's size draws, as a fullscreen display of that shape shows it. The
// window is the picture's own size, so that the GL draws exactly that capture's pixels (drawn at
// an offset, or into a taller buffer, a few hundred of them come out a step of rounding away);
// the bars are put around it as the frame is read (frame_pixels.cpp).
bool openCaptureWindow(int width, int height, bool show) {
  Letterbox& frame = demoClock->letterbox;
  frame.fitAroundBuffer(width, height);
  const PictureRect picture = frame.picture();
  demoClock->fullscreen = 0;
  platform::WindowStyle style;
  style.width = picture.width;
  style.height = picture.height;
  style.pixelFormat = kShellPixelFormat;
  GlTarget target;
  if (!openGlWindow("tamsirel-capture", style, &target)) return false;
  if (show && !platform::current().showWindow(target.window)) {
    std::fprintf(stderr, "tamsirel-capture: the window could not be shown\n");
    return false;
  }
  demoClock->attachWindow(target.window, &target.deviceContext, &target.renderContext);
  demoClock->width = picture.width;
  demoClock->height = picture.height;
  frame.useViewport();
  glReadBuffer(GL_BACK);
  return true;
}
