// The window the scenes draw in and its GL context, as the demo and the capture tool both make
// it: the window, its device context, pixel format and current rendering context, each platform
// step tested in turn with the failure box of that step. Not here: the display switch and the
// show (the shell's), and the release at the end (DemoClock::shutdown).
#pragma once

#include "platform/platform.h"

// Double-buffered RGBA with 16 colour and 16 depth bits.
constexpr platform::PixelFormat kShellPixelFormat{16, 16};

struct GlTarget {
  platform::Window* window = nullptr;
  platform::DeviceContext* deviceContext = nullptr;
  platform::RenderContext* renderContext = nullptr;
};

// Creates the hidden window (its failure: "Window Creation Error.", nothing released) and sets up
// its GL context. False after a failure, whose box has been shown.
bool openGlWindow(const char* title, const platform::WindowStyle& style, GlTarget* target);

// The context steps alone. On the first failure it releases what was obtained (never a rendering
// context), shows that step's "ERROR" box and returns false.
bool setUpGlContext(GlTarget* target);
