#include "platform/sdl/x11_screen.h"

#include <X11/Xlib.h>

namespace platform::x11 {

// The root window follows a resolution change, so its size is the current mode's.
bool screenMode(int* width, int* height, int* bitsPerPixel) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  const int screen = DefaultScreen(display);
  *width = DisplayWidth(display, screen);
  *height = DisplayHeight(display, screen);
  *bitsPerPixel = DefaultDepth(display, screen);
  XCloseDisplay(display);
  return true;
}

}  // namespace platform::x11
