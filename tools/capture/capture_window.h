// The window the capture's scenes draw into: the demo's own window and GL set-up at the
// capture's size, attached to the demo clock, frames read from its back buffer. Never
// fullscreen: the capture has no display mode to switch or give back. A size that is not 4:3
// has a window of its 4:3 picture's size; the bars come as the frame is read. Not here:
// choosing the system's driver for it (offscreen_gl.h on Linux; the page's canvas in the
// browser).
#pragma once

// `show`: shown as the demo shows its window (the page's canvas is drawn only when shown; SDL's
// offscreen window is never shown). Writes what failed to standard error and returns false.
bool openCaptureWindow(int width, int height, bool show);
