// Start-up step 11: the window's device context, pixel format and current GL rendering context.
#pragma once

#include "platform/platform.h"

// Double-buffered RGBA with 16 colour and 16 depth bits.
constexpr platform::PixelFormat kShellPixelFormat{16, 16};

struct GlTarget {
  platform::Window* window = nullptr;
  platform::DeviceContext* deviceContext = nullptr;
  platform::RenderContext* renderContext = nullptr;
};

// Runs the steps in turn. On the first failure it releases what was obtained (never a rendering
// context), shows that step's "ERROR" box and returns false.
bool setUpGlContext(GlTarget* target);
