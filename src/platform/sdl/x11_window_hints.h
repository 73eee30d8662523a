// What the dialog and the message boxes ask of X for their FLTK windows: whether a display can be
// opened at all, a frame's corner at a position, staying above other windows, no close box, and
// labels shown as written. Not here: building or running windows.
#pragma once

#include <FL/Fl_Window.H>

#include <string>

namespace platform::x11 {

// FLTK ends the process when it cannot open a display; this finds out first.
bool displayAvailable();
// The text as a label FLTK shows as written ('@' would otherwise start a symbol).
std::string literalLabel(const char* text);

// Waits (a second at most) until the window manager has mapped the window; false if it never is.
bool waitUntilMapped(Fl_Window* window);
// Moves the window so that its outer frame's top-left corner is at (x, y) on the screen.
void placeFrame(Fl_Window* window, int x, int y);
void keepAbove(Fl_Window* window);
// Asks for move-only functions and a frame without buttons; a window manager may keep its close.
void removeCloseBox(Fl_Window* window);

}  // namespace platform::x11
