// The finished frame read back from the GL's back buffer before it is presented: RGB bytes,
// bottom row first as GL gives them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FramePixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};

// Fills `frame` (reusing its buffer) from the current context's back buffer: a size that is not
// 4:3 holds the 4:3 picture the scenes drew in the buffer's corner, between black bars.
void readBackBuffer(int width, int height, FramePixels* frame);
// Writes the frame top row first; false with the reason on standard error when it cannot.
bool writeFramePng(const FramePixels& frame, const std::string& path);
