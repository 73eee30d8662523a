// The ocean's flickering logo: "tamsirel" in three versions (clean, glitched, outline), each a
// 512 x 256 picture cut into 4 x 2 tiles of 128, one capital to a tile: TAMS over IREL. Each
// tile is stored upside down, as the demo draws a PNG's first row at the bottom of its quad.
//
// The demo draws every tile on its own quad with repeat wrapping, so a pixel on a tile's edge can
// read the texel at the opposite edge (a coordinate a hair past 1 wraps to 0) or blend with it
// (linear filtering). The letters keep clear of the tile edges, and every tile is black for
// kClear texels inside each of its edges: whatever the picture size, a wrapped sample adds black.
#include <cmath>
#include <string>

#include "noise.h"
#include "pack.h"

namespace {

constexpr int kWidth = 512, kHeight = 256, kTile = 128;
// Linear filtering reaches one texel past an edge. The tiles have no mipmaps; were halved levels
// ever made, level n would reach 2^n texels: four keeps levels 1 and 2 clean too.
constexpr int kClear = 4;
// Beyond the black band the tile's content rises to full over this many texels, so a glow that
// reaches towards an edge dims softly instead of stopping in a straight line.
constexpr int kFade = 8;
constexpr int kInkMargin = kClear + kFade;  // letters keep this far from every tile edge
// The word's letters, row by row; each one is centred in its own tile.
constexpr const char* kRows[2] = {"TAMS", "IREL"};
// The 4:3 screen shows the outer columns only from texel 45 in, and the word's glow stays
// inside the middle 80 % of the picture (from texel 51); the letters start further in, clear of
// the screen's edge. Their centres are evenly spaced.
constexpr int kVisibleLeft = 72, kLetterPitch = 108;

struct Letter {
  Image ink;
  int baseline = 0;  // row of the baseline in `ink`
};

int letterCentre(int column) {
  return kWidth / 2 + int(std::lround((float(column) - 1.5f) * float(kLetterPitch)));
}

// The span a letter in `column` may cover: clear of the tile's edges and of the picture's sides.
std::pair<int, int> columnSpan(int column) {
  int left = std::max(column * kTile + kInkMargin, kVisibleLeft);
  int right = std::min((column + 1) * kTile - kInkMargin, kWidth - kVisibleLeft);
  return {left, right};
}

bool fitsItsColumn(const Letter& letter, int column) {
  auto [left, right] = columnSpan(column);
  int x0 = letterCentre(column) - letter.ink.width / 2;
  return x0 >= left && x0 + letter.ink.width <= right;
}

// Every letter at the largest size at which each one fits its column.
std::vector<std::vector<Letter>> setLetters(const Fonts& fonts) {
  for (int size = 120;; --size) {
    std::vector<std::vector<Letter>> rows(2);
    bool fits = true;
    for (int r = 0; r < 2; ++r)
      for (int k = 0; k < 4; ++k) {
        Letter letter;
        letter.ink = fonts.bold.renderLine(std::string(1, kRows[r][k]), size, 0.0f,
                                           &letter.baseline);
        fits = fits && fitsItsColumn(letter, k);
        rows[r].push_back(std::move(letter));
      }
    if (fits || size <= 8) return rows;
  }
}

// The upper row sits on a baseline just above the middle, the lower row hangs just below it.
Image wordCoverage(const Fonts& fonts) {
  std::vector<std::vector<Letter>> rows = setLetters(fonts);
  Image ink(kWidth, kHeight, 1);
  int below = 0, above = 0;  // ink below the upper baseline, above the lower one
  for (const Letter& l : rows[0]) below = std::max(below, l.ink.height - l.baseline);
  for (const Letter& l : rows[1]) above = std::max(above, l.baseline);
  const int baselines[2] = {kTile - kInkMargin - below, kTile + kInkMargin + above};
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 4; ++k) {
      const Letter& l = rows[r][k];
      pasteCoverage(ink, l.ink, letterCentre(k) - l.ink.width / 2, baselines[r] - l.baseline);
    }
  return ink;
}

// Black within kClear of every tile edge, rising to full over kFade texels.
void clearTileEdges(Image& image) {
  auto window = [](int i) {
    int d = std::min(i % kTile, kTile - 1 - i % kTile);
    return smoothstep(float(kClear - 1), float(kInkMargin), float(d));
  };
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      float k = window(x) * window(y);
      float* p = image.at(x, y);
      for (int c = 0; c < image.channels; ++c) p[c] *= k;
    }
}

// Top and bottom rows of the ink between rows y0 and y1, for the fill gradient.
std::pair<int, int> inkRows(const Image& ink, int y0, int y1) {
  int top = y1, bottom = y0;
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (ink.grey(x, y) > 0) top = std::min(top, y), bottom = std::max(bottom, y);
  return {top, bottom};
}

Image cleanWord(const Image& ink) {
  const std::pair<int, int> lines[2] = {inkRows(ink, 0, kTile), inkRows(ink, kTile, kHeight)};
  Image glow = blur(ink, 14), tight = blur(ink, 3);
  Image out(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    auto [top, bottom] = lines[y / kTile];
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
  clearTileEdges(out);
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
  clearTileEdges(out);
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
  clearTileEdges(out);
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
