// The X screen's size and depth, read without starting SDL's video: the setup dialog is placed
// from it before the demo needs SDL's video at all. Not here: anything of SDL's own.
#pragma once

namespace platform::x11 {

// False when no display can be opened.
bool screenMode(int* width, int* height, int* bitsPerPixel);

}  // namespace platform::x11
