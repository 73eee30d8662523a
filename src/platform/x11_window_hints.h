// What the dialog asks of an X window manager for a mapped FLTK window: its frame's corner at
// a position, staying above other windows, no close box. Not here: building or running windows.
#pragma once

#include <FL/Fl_Window.H>

namespace platform::x11 {

// Waits (a second at most) until the window manager has mapped the window; false if it never is.
bool waitUntilMapped(Fl_Window* window);
// Moves the window so that its outer frame's top-left corner is at (x, y) on the screen.
void placeFrame(Fl_Window* window, int x, int y);
void keepAbove(Fl_Window* window);
// Asks for move-only functions and a frame without buttons; a window manager may keep its close.
void removeCloseBox(Fl_Window* window);

}  // namespace platform::x11
