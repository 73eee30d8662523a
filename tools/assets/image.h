// The generator's working picture: float channels in 0..1, row 0 first (the file's first row for a
// PNG, the picture's top row for a BMP). Small colour helpers shared by every family.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

struct Rgb {
  float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, float t) { return a + (b - a) * t; }

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float smoothstep(float e0, float e1, float x) {
  float t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3.0f - 2.0f * t);
}

struct Image {
  int width = 0;
  int height = 0;
  int channels = 3;  // 3: RGB; 1: one grey level (coverage, masks, scalar fields)
  std::vector<float> data;

  Image() = default;
  Image(int w, int h, int c = 3)
      : width(w), height(h), channels(c), data(size_t(w) * h * c, 0.0f) {}

  float* at(int x, int y) { return &data[(size_t(y) * width + x) * channels]; }
  const float* at(int x, int y) const { return &data[(size_t(y) * width + x) * channels]; }
  float& grey(int x, int y) { return data[size_t(y) * width + x]; }
  float grey(int x, int y) const { return data[size_t(y) * width + x]; }
  Rgb rgb(int x, int y) const {
    const float* p = at(x, y);
    return channels == 3 ? Rgb{p[0], p[1], p[2]} : Rgb{p[0], p[0], p[0]};
  }
  void set(int x, int y, Rgb c) {
    float* p = at(x, y);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
  void add(int x, int y, Rgb c) { set(x, y, rgb(x, y) + c); }
};

// One 0..1 channel to a byte, rounded; the only conversion every writer and test uses.
inline uint8_t toByte(float v) { return uint8_t(clamp01(v) * 255.0f + 0.5f); }

// 8-bit packed RGB rows (row 0 first), as written to a file.
std::vector<uint8_t> toRgbBytes(const Image& image);

Image flipRows(const Image& image);
Image crop(const Image& image, int x0, int y0, int w, int h);
// Separable blur by three box passes (close to a Gaussian of about `radius`); outside is black.
Image blur(const Image& image, int radius);
// Greatest value within a disc of `radius` pixels (grey images).
Image dilate(const Image& grey, float radius);
// Bilinear sample, black outside.
Rgb sampleClamped(const Image& image, float x, float y);
// A box-filtered (shrink) or nearest (grow) copy at the given size.
Image resize(const Image& image, int w, int h);
// Multiplies every pixel by a window that is 1 in the middle and reaches 0 at `edgeFraction` of
// the half-size from the centre along x (and along y when `alsoY`), so that an additive image is
// black at its border whatever its content.
void fadeToBorder(Image& image, float innerFraction, float outerFraction, bool alsoY);
