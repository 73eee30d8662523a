// A scene's layers drawn once inside its init where nobody sees them. llvmpipe builds a program
// for every new combination of GL state and texture sampling the first time it draws with it,
// milliseconds each, which would otherwise land in the scene's first frames (or in the frame
// where a layer first appears). While a WarmUp lives, drawing goes to one pixel of the back
// buffer, which the scene's first frame clears, starting from an identity model-view matrix
// (selected), and bindSlot binds a 1 x 1 stand-in with the slot's filter wherever the slot's own
// image has not gone up to the GL yet, so nothing is uploaded early. All GL state comes back as
// it was.
#pragma once

class WarmUp {
 public:
  WarmUp();
  ~WarmUp();
  WarmUp(const WarmUp&) = delete;
  WarmUp& operator=(const WarmUp&) = delete;
};

// Whether a WarmUp is in force.
bool warmingUp();
// The stand-in texture for a slot drawn with `filter` (GL_NEAREST or GL_LINEAR) while warming up.
unsigned standInTexture(int filter);
