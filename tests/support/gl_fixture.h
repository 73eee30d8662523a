// A real Mesa (llvmpipe) GL context for pixel tests, made through the platform layer: on Linux
// with SDL's offscreen video driver (no X server needed), on Windows in a hidden window of the
// demo's class with a WGL context. The context stays current for the whole test binary; each
// test reads the back buffer before any swap.
#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

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

class GlTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 64;
  static constexpr int kHeight = 48;
  void SetUp() override;  // context current, default GL state restored, viewport kWidth x kHeight
};

}  // namespace testing_support
