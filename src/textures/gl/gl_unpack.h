// Tightly packed client pixel rows for the length of a texture upload: alignment 1, no row
// length or skips. The caller's pixel-store state comes back when the object goes.
#pragma once

#include <GL/gl.h>

class ScopedTightUnpack {
 public:
  ScopedTightUnpack() {
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  }
  ~ScopedTightUnpack() { glPopClientAttrib(); }
  ScopedTightUnpack(const ScopedTightUnpack&) = delete;
  ScopedTightUnpack& operator=(const ScopedTightUnpack&) = delete;
};
