// The ocean's flickering logo: the word "tamsirel" in three versions (clean, glitched, outline),
// each a 512 x 256 picture cut into 4 x 2 tiles of 128. Each tile is stored upside down, as the
// demo draws a PNG's first row at the bottom of its quad; letters run on across tile borders.
#include <cmath>

#include "noise.h"
#include "pack.h"

namespace {

constexpr int kWidth = 512, kHeight = 256, kTile = 128;

Image wordCoverage(const Fonts& fonts) {
  constexpr int kTrialSize = 100;
  const char* word = "tamsirel";
  int trialWidth = fonts.bold.renderLine(word, kTrialSize, 6.0f).width;
  int size = int(float(kTrialSize) * 0.68f * float(kWidth) / float(trialWidth));
  Image ink(kWidth, kHeight, 1);
  pasteCentred(ink, fonts.bold.renderLine(word, size, float(size) * 0.06f), kWidth / 2,
               kHeight / 2);
  return ink;
}

// Top and bottom rows of the ink, for the fill gradient.
std::pair<int, int> inkRows(const Image& ink) {
  int top = kHeight, bottom = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (ink.grey(x, y) > 0) top = std::min(top, y), bottom = std::max(bottom, y);
  return {top, bottom};
}

Image cleanWord(const Image& ink) {
  auto [top, bottom] = inkRows(ink);
  Image glow = blur(ink, 14), tight = blur(ink, 3);
  Image out(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    float t = clamp01(float(y - top) / float(std::max(1, bottom - top)));
    Rgb fill = mix(Rgb{0.92f, 0.98f, 1.0f}, Rgb{0.25f, 0.55f, 1.0f}, t);
    // A bright cut across the letters just below their middle, like light on water.
    float band = std::exp(-std::pow((t - 0.56f) * 14.0f, 2.0f));
    fill = mix(fill, Rgb{1.0f, 1.0f, 1.0f}, band * 0.8f);
    for (int x = 0; x < kWidth; ++x)
      out.set(x, y,
              fill * ink.grey(x, y) + Rgb{0.10f, 0.30f, 0.85f} * (glow.grey(x, y) * 1.1f) +
                  Rgb{0.2f, 0.4f, 0.9f} * (tight.grey(x, y) * 0.25f));
  }
  fadeToBorder(out, 0.76f, 0.80f, true);
  return out;
}

Image glitchedWord(const Image& clean) {
  noise::Stream rng(0x6C17C4u);
  Image out(kWidth, kHeight);
  int y = 0;
  while (y < kHeight) {
    int band = 2 + rng.below(14);
    int shift = rng.unit() < 0.45f ? 0 : int(rng.range(-22.0f, 22.0f));
    float gain = rng.unit() < 0.15f ? 1.6f : 1.0f;
    for (int row = y; row < std::min(kHeight, y + band); ++row) {
      float scan = row % 2 ? 0.55f : 1.0f;
      for (int x = 0; x < kWidth; ++x) {
        auto src = [&](int dx) {
          return clean.rgb(std::clamp(x - shift + dx, 0, kWidth - 1), row);
        };
        Rgb c{src(6).r * 1.1f, src(0).g * 0.8f, src(-6).b};
        out.set(x, row, c * (scan * gain));
      }
    }
    y += band;
  }
  // A few blocks of stray colour over the letters, as from a broken signal.
  for (int i = 0; i < 14; ++i) {
    int bx = 110 + rng.below(290), by = 70 + rng.below(110), bw = 6 + rng.below(40),
        bh = 2 + rng.below(6);
    Rgb tint = i % 2 ? Rgb{1.0f, 0.2f, 0.8f} : Rgb{0.2f, 1.0f, 0.9f};
    for (int yy = by; yy < by + bh; ++yy)
      for (int xx = bx; xx < bx + bw; ++xx) out.set(xx, yy, mix(out.rgb(xx, yy), tint, 0.55f));
  }
  fadeToBorder(out, 0.76f, 0.80f, true);
  return out;
}

Image outlineWord(const Image& ink) {
  Image outer = dilate(ink, 2.5f);
  Image inverse(kWidth, kHeight, 1);
  for (size_t i = 0; i < ink.data.size(); ++i) inverse.data[i] = 1.0f - ink.data[i];
  Image inner = dilate(inverse, 1.5f);
  Image ring(kWidth, kHeight, 1);
  for (size_t i = 0; i < ring.data.size(); ++i)
    ring.data[i] = clamp01(outer.data[i] - (1.0f - inner.data[i]));
  Image glow = blur(ring, 10);
  Image out(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      out.set(x, y,
              Rgb{1.0f, 0.62f, 0.98f} * ring.grey(x, y) +
                  Rgb{0.45f, 0.15f, 0.85f} * (glow.grey(x, y) * 1.3f) +
                  Rgb{0.25f, 0.1f, 0.45f} * (ink.grey(x, y) * 0.25f));
  fadeToBorder(out, 0.76f, 0.80f, true);
  return out;
}

void addTiles(Pack& pack, const Image& word, int group) {
  for (int row = 1; row <= 2; ++row)
    for (int column = 1; column <= 4; ++column) {
      std::string name =
          "logo" + std::to_string(group) + std::to_string(row) + std::to_string(column) + ".png";
      Image piece = flipRows(crop(word, (column - 1) * kTile, (row - 1) * kTile, kTile, kTile));
      Asset asset{name, "logo", FileKind::Png, std::move(piece)};
      asset.drawnFlipped = true;
      pack.files.push_back(std::move(asset));
    }
  pack.views.push_back({"logo group " + std::to_string(group), "logo", FileKind::Png, word});
}

}  // namespace

void addLogoFamily(Pack& pack, const Fonts& fonts) {
  Image ink = wordCoverage(fonts);
  Image clean = cleanWord(ink);
  addTiles(pack, clean, 1);
  addTiles(pack, glitchedWord(clean), 2);
  addTiles(pack, outlineWord(ink), 3);
}
