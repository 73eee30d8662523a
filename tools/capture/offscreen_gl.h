// The window the scenes draw into: the demo's own SDL window on SDL's offscreen video driver
// (Mesa's llvmpipe through EGL, no display needed) with its legacy GL context, attached to the
// demo clock at the capture's size.
#pragma once

// Asks SDL for its offscreen video driver. Before any thread starts: it sets an environment
// variable, and a setenv beside another thread's getenv is undefined.
void chooseOffscreenVideo();
// Writes what failed to standard error and returns false.
bool openOffscreenGl(int width, int height);
