// The frame a window manager puts around a window under X11 (the demo's SDL window, the dialog's
// FLTK window). The frame arrives some time after the window is mapped, and SDL reads its size
// only when told of it; this asks X directly. Not here: other window-manager hints.
#pragma once

struct _XDisplay;
struct SDL_Window;

namespace platform::x11 {

struct FrameExtents {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// Waits, a second at most, until the window manager has framed the mapped X window `xid`, and
// gives the frame. False when there is no frame to wait for: no window manager that publishes
// frame extents, or none arrived in time.
bool waitForFrame(_XDisplay* display, unsigned long xid, FrameExtents* frame);
// The same for a shown SDL window; false too when it is not an X11 window.
bool waitForFrame(SDL_Window* window, FrameExtents* frame);

}  // namespace platform::x11
