// Picture helpers of the asset generator; plain loops over float channels.
#include "image.h"

#include <cmath>

std::vector<uint8_t> toRgbBytes(const Image& image) {
  std::vector<uint8_t> bytes(size_t(image.width) * image.height * 3);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.rgb(x, y);
      uint8_t* p = &bytes[(size_t(y) * image.width + x) * 3];
      p[0] = toByte(c.r);
      p[1] = toByte(c.g);
      p[2] = toByte(c.b);
    }
  return bytes;
}

Image flipRows(const Image& image) {
  Image out(image.width, image.height, image.channels);
  size_t row = size_t(image.width) * image.channels;
  for (int y = 0; y < image.height; ++y)
    std::copy_n(&image.data[size_t(image.height - 1 - y) * row], row, &out.data[size_t(y) * row]);
  return out;
}

Image crop(const Image& image, int x0, int y0, int w, int h) {
  Image out(w, h, image.channels);
  for (int y = 0; y < h; ++y)
    std::copy_n(image.at(x0, y0 + y), size_t(w) * image.channels, out.at(0, y));
  return out;
}

namespace {

// One box pass along x (dx = 1) or y, zero outside, in place through a line buffer.
void boxPass(Image& image, int radius, bool alongX) {
  int n = alongX ? image.width : image.height;
  int lines = alongX ? image.height : image.width;
  int c = image.channels;
  std::vector<float> line(size_t(n) * c), sum(c);
  float scale = 1.0f / float(2 * radius + 1);
  for (int l = 0; l < lines; ++l) {
    auto px = [&](int i) { return alongX ? image.at(i, l) : image.at(l, i); };
    for (int i = 0; i < n; ++i) std::copy_n(px(i), c, &line[size_t(i) * c]);
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (int i = -radius; i <= radius; ++i)
      if (i >= 0 && i < n)
        for (int k = 0; k < c; ++k) sum[k] += line[size_t(i) * c + k];
    for (int i = 0; i < n; ++i) {
      for (int k = 0; k < c; ++k) px(i)[k] = sum[k] * scale;
      int out = i - radius, in = i + radius + 1;
      for (int k = 0; k < c; ++k) {
        if (out >= 0) sum[k] -= line[size_t(out) * c + k];
        if (in < n) sum[k] += line[size_t(in) * c + k];
      }
    }
  }
}

}  // namespace

Image blur(const Image& image, int radius) {
  Image out = image;
  int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(out, r, true);
    boxPass(out, r, false);
  }
  return out;
}

Image dilate(const Image& grey, float radius) {
  Image out(grey.width, grey.height, 1);
  int r = int(std::ceil(radius));
  std::vector<std::pair<int, int>> disc;
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (float(dx * dx + dy * dy) <= radius * radius) disc.push_back({dx, dy});
  for (int y = 0; y < grey.height; ++y)
    for (int x = 0; x < grey.width; ++x) {
      float m = 0;
      for (auto [dx, dy] : disc) {
        int sx = x + dx, sy = y + dy;
        if (sx >= 0 && sy >= 0 && sx < grey.width && sy < grey.height)
          m = std::max(m, grey.grey(sx, sy));
      }
      out.grey(x, y) = m;
    }
  return out;
}

namespace {

Rgb bilinear(const Image& image, float x, float y) {
  int x0 = int(std::floor(x)), y0 = int(std::floor(y));
  float fx = x - float(x0), fy = y - float(y0);
  auto get = [&](int px, int py) -> Rgb {
    if (px < 0 || py < 0 || px >= image.width || py >= image.height) return {};
    return image.rgb(px, py);
  };
  Rgb top = mix(get(x0, y0), get(x0 + 1, y0), fx);
  Rgb bottom = mix(get(x0, y0 + 1), get(x0 + 1, y0 + 1), fx);
  return mix(top, bottom, fy);
}

}  // namespace

Rgb sampleClamped(const Image& image, float x, float y) { return bilinear(image, x, y); }

Image resize(const Image& image, int w, int h) {
  Image out(w, h, 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int x0 = x * image.width / w, x1 = std::max(x0 + 1, (x + 1) * image.width / w);
      int y0 = y * image.height / h, y1 = std::max(y0 + 1, (y + 1) * image.height / h);
      Rgb sum;
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) sum = sum + image.rgb(sx, sy);
      out.set(x, y, sum * (1.0f / float((x1 - x0) * (y1 - y0))));
    }
  return out;
}

void fadeToBorder(Image& image, float innerFraction, float outerFraction, bool alsoY) {
  auto window = [&](int i, int n) {
    float d = std::fabs((float(i) + 0.5f) / float(n) * 2.0f - 1.0f);
    return 1.0f - smoothstep(innerFraction, outerFraction, d);
  };
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      float k = window(x, image.width) * (alsoY ? window(y, image.height) : 1.0f);
      float* p = image.at(x, y);
      for (int c = 0; c < image.channels; ++c) p[c] *= k;
    }
}
