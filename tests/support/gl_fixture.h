// A real Mesa (llvmpipe) GL context for pixel tests, made through the platform layer: on Linux
// with SDL's offscreen video driver (no X server needed), on Windows in a hidden window of the
// demo's class with a WGL context. The context stays current for the whole test binary; each
// test reads the back buffer before any swap.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace testing_support {

struct Rgb {
  int r, g, b;
};

// Makes (once per process) a hidden offscreen window of width x height with a legacy
// fixed-function GL context current; later calls with another size resize the drawable.
bool makeGlContext(int width, int height);

// The back buffer's pixel at (x, y), y counted from the bottom as GL does.
Rgb readPixel(int x, int y);
// The whole back buffer, RGB bytes, bottom row first.
std::vector<uint8_t> readBackBuffer(int width, int height);
// Writes the back buffer as a PNG (top row first) for looking at a failure.
bool writeBackBufferPng(const char* path, int width, int height);

// A width x height RGB texture of `texels`, given row by row from t = 0 (a PNG's first row, a
// BMP's bottom row), with `filter` for both filters. Left bound.
uint32_t makeTexture(int width, int height, const std::vector<Rgb>& texels,
                     GLint filter = GL_NEAREST);
// One colour all over.
uint32_t solidTexture(Rgb colour, GLint filter = GL_NEAREST);

// Each channel within `tolerance` of the expected one; `where` names the pixel in a failure.
void expectNear(Rgb actual, Rgb expected, int tolerance, const char* where);

class GlTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 64;
  static constexpr int kHeight = 48;
  void SetUp() override;  // context current, default GL state restored, viewport kWidth x kHeight
};

}  // namespace testing_support
