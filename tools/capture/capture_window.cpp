#include "capture_window.h"

#include <GL/gl.h>

#include <cstdio>

#include "core/demo_clock.h"
#include "core/letterbox.h"
#include "platform/platform.h"
#include "startup/gl_window.h"

bool openCaptureWindow(int width, int height, bool show) {
  demoClock->fullscreen = 0;
  platform::WindowStyle style;
  style.width = width;
  style.height = height;
  style.pixelFormat = kShellPixelFormat;
  GlTarget target;
  if (!openGlWindow("tamsirel-capture", style, &target)) return false;
  if (show && !platform::current().showWindow(target.window)) {
    std::fprintf(stderr, "tamsirel-capture: the window could not be shown\n");
    return false;
  }
  demoClock->attachWindow(target.window, &target.deviceContext, &target.renderContext);
  // The scenes are composed for 4:3: a frame of another shape holds the 4:3 picture a capture of
  // that picture's size draws, in its middle, as a fullscreen display of that shape shows it.
  const PictureRect picture =
      fitLetterbox(width, height, kSceneShapeWidth, kSceneShapeHeight).picture;
  demoClock->width = picture.width;
  demoClock->height = picture.height;
  demoClock->showPictureOn(width, height);
  glReadBuffer(GL_BACK);
  return true;
}
