// The ocean's seven phrases: one pale line each, centred on black, one letter size for all so
// they read as one voice. Stored upside down: the demo draws a PNG's first row at the bottom.
#include <algorithm>

#include "pack.h"

namespace {

constexpr int kSize = 512;
const char* const kPhrases[7] = {
    "listen",           "the sea is speaking",   "of stone", "of trees", "of a light",
    "that never lands", "thank you for watching"};

Image phraseImage(const Image& coverage) {
  Image ink(kSize, kSize, 1);
  pasteCentred(ink, coverage, kSize / 2, kSize / 2);
  Image halo = blur(ink, 10);
  Image out(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      float c = ink.grey(x, y), h = halo.grey(x, y);
      out.set(x, y, Rgb{0.90f, 0.94f, 1.0f} * c + Rgb{0.20f, 0.34f, 0.62f} * (h * 0.9f));
    }
  fadeToBorder(out, 0.76f, 0.80f, true);
  return flipRows(out);
}

}  // namespace

void addPhraseFamily(Pack& pack, const Fonts& fonts) {
  // One size for every phrase: the widest line takes 70 % of the width.
  constexpr int kTrialSize = 40;
  auto tracking = [](int size) { return float(size) * 0.10f; };
  int widest = 0;
  for (const char* phrase : kPhrases)
    widest =
        std::max(widest, fonts.regular.renderLine(phrase, kTrialSize, tracking(kTrialSize)).width);
  int size = int(float(kTrialSize) * 0.70f * float(kSize) / float(widest));
  for (int i = 0; i < 7; ++i) {
    Image line = fonts.regular.renderLine(kPhrases[i], size, tracking(size));
    Asset asset{"phrase" + std::to_string(i + 1) + ".png", "phrases", FileKind::Png,
                phraseImage(line)};
    asset.drawnFlipped = true;
    pack.files.push_back(std::move(asset));
  }
}
