// Where the picture lies on the surface it is shown on. A surface of the picture's own shape
// shows it whole; one of another shape (a compositor that fakes the fullscreen mode switch and
// gives the window the whole screen, a display that gave another mode, a capture of a video
// size) shows it at the largest size that fits, centred, with black bars over the rest.
// One Letterbox, the clock's, holds the fit for the surface in use: it is made once when the
// surface changes, and the viewport, the present step and the capture's read-back all read it.
#pragma once

#include "platform/platform.h"

struct PictureRect {
  int x = 0;  // from the surface's bottom left corner, as glViewport takes it
  int y = 0;
  int width = 0;
  int height = 0;
};

class Letterbox {
 public:
  // A fullscreen surface: the scenes' 4:3 picture at the largest size that fits, centred. The GL
  // buffer is the whole surface; the bars are painted in it at every present.
  void fitOn(int surfaceWidth, int surfaceHeight);
  // A window, whose scenes follow its size: the picture is the whole surface.
  void fill(int surfaceWidth, int surfaceHeight);
  // A frame whose GL buffer holds the 4:3 picture alone, at the size it has in the frame (a
  // capture's): whoever reads the buffer back puts the bars around it.
  void fitAroundBuffer(int frameWidth, int frameHeight);

  int surfaceWidth() const { return surfaceWidth_; }
  int surfaceHeight() const { return surfaceHeight_; }
  // On the surface.
  const PictureRect& picture() const { return picture_; }
  // The part of the surface the GL buffer holds.
  const PictureRect& buffer() const { return buffer_; }
  bool hasBars() const {
    return picture_.width != surfaceWidth_ || picture_.height != surfaceHeight_;
  }

  // The scenes draw in the picture: glViewport to its place in the buffer.
  void useViewport() const;
  // Paints the bars that lie in the buffer black, leaving every GL state as it found it, then
  // swaps the buffers. The bars come after the frame is drawn: a scene clears the whole surface
  // in its own colour (the clear ignores the viewport), and a back buffer holds nothing for sure
  // after a swap, so they are black again in every frame.
  void present(platform::DeviceContext* deviceContext) const;

 private:
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  PictureRect picture_;
  PictureRect buffer_;
};
