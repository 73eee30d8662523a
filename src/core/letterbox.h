// Where the picture lies on the surface it is shown on. A surface of the picture's own shape
// shows it whole; one of another shape (a compositor that fakes the fullscreen mode switch and
// gives the window the whole screen, a display that gave another mode, a capture of a video
// size) shows it at the largest size that fits, centred, with black bars over the rest.
#pragma once

// The shape the scenes are composed for; they see it in the clock's `width` and `height`.
constexpr int kSceneShapeWidth = 4;
constexpr int kSceneShapeHeight = 3;

struct PictureRect {
  int x = 0;  // from the surface's bottom left corner, as glViewport takes it
  int y = 0;
  int width = 0;
  int height = 0;
};

struct Letterbox {
  int surfaceWidth = 0;
  int surfaceHeight = 0;
  PictureRect picture;

  bool hasBars() const {
    return picture.width != surfaceWidth || picture.height != surfaceHeight;
  }
};

// The largest rectangle of shapeWidth:shapeHeight on the surface, centred; the whole surface
// when either shape is empty. Never empty on a surface that is not.
Letterbox fitLetterbox(int surfaceWidth, int surfaceHeight, int shapeWidth, int shapeHeight);

// Paints the bars black in the current GL context's draw buffer, leaving every GL state as it
// found it (the scenes' state carries over from frame to frame).
void paintBars(const Letterbox& box);
