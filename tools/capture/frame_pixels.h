// The finished frame read back from the GL's back buffer before it is presented: RGB bytes,
// bottom row first as GL gives them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Letterbox;

struct FramePixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};

// Fills `frame` (reusing its buffer) with the whole surface of `letterbox` from the current
// context's back buffer: the part the buffer holds, and black bars over the rest.
void readBackBuffer(const Letterbox& letterbox, FramePixels* frame);
// Writes the frame top row first; false with the reason on standard error when it cannot.
bool writeFramePng(const FramePixels& frame, const std::string& path);
