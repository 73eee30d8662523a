// What the pack looks like, for people reviewing it (neither is read by the demo): the
// application icon, the winged flare composed from the pack's own images on dark blue, and the
// contact sheet, every file (and a few assembled pictures) labelled with name, size and format.
#include <cmath>
#include <map>

#include "pack.h"

const Asset* Pack::find(const std::string& name) const {
  for (const Asset& a : files)
    if (a.name == name) return &a;
  return nullptr;
}

namespace {

// The picture as the demo shows it: PNGs drawn with their first row at the bottom flipped back.
Image asShown(const Asset& a) { return a.drawnFlipped ? flipRows(a.image) : a.image; }

// Draws `source` (as shown) scaled to `w` x `h` with its top left at (x0, y0) through `blend`.
template <typename Blend>
void stamp(Image& target, const Image& source, float x0, float y0, float w, float h, Blend blend) {
  for (int y = std::max(0, int(y0)); y < std::min(target.height, int(y0 + h) + 1); ++y)
    for (int x = std::max(0, int(x0)); x < std::min(target.width, int(x0 + w) + 1); ++x) {
      float sx = (float(x) + 0.5f - x0) / w * float(source.width) - 0.5f;
      float sy = (float(y) + 0.5f - y0) / h * float(source.height) - 0.5f;
      if (sx < -0.5f || sy < -0.5f || sx > float(source.width) - 0.5f ||
          sy > float(source.height) - 0.5f)
        continue;
      Rgb s = sampleClamped(source, std::clamp(sx, 0.0f, float(source.width - 1)),
                            std::clamp(sy, 0.0f, float(source.height - 1)));
      target.set(x, y, blend(target.rgb(x, y), s));
    }
}

const char* kindName(FileKind kind) {
  switch (kind) {
    case FileKind::Png:
      return "PNG RGB";
    case FileKind::Bmp24:
      return "BMP 24-bit";
    case FileKind::Bmp8:
      return "BMP 8-bit paletted";
    case FileKind::Bmp1:
      return "BMP 1-bit";
  }
  return "";
}

void label(Image& sheet, const Font& font, const std::string& text, int x, int y, int size,
           Rgb colour) {
  Image ink = font.renderLine(text, size);
  for (int sy = 0; sy < ink.height; ++sy)
    for (int sx = 0; sx < ink.width; ++sx) {
      int tx = x + sx, ty = y + sy;
      if (tx < sheet.width && ty < sheet.height)
        sheet.set(tx, ty, mix(sheet.rgb(tx, ty), colour, ink.grey(sx, sy)));
    }
}

struct Cell {
  const Asset* asset;
  std::string caption;
  int thumbHeight;
};

}  // namespace

Image makeIcon(const Pack& pack) {
  constexpr int kSize = 256;
  constexpr float kScale = 520.0f, kCentre = 128.0f,
                  kWingOpen = 0.80f;  // pixels per unit; cos of the flap
  Image icon(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      float d = std::hypot(float(x) - kCentre, float(y) - kCentre) / 181.0f;
      icon.set(x, y, mix(Rgb{0.05f, 0.10f, 0.26f}, Rgb{0.01f, 0.02f, 0.07f}, d));
    }
  auto add = [](Rgb d, Rgb s) { return d + s; };
  auto multiply = [](Rgb d, Rgb s) { return d * s; };
  auto place = [&](const char* name, float half, auto blend, float gain) {
    Image src = asShown(*pack.find(name));
    for (float& v : src.data) v *= gain;
    stamp(icon, src, kCentre - half * kScale, kCentre - half * kScale, 2 * half * kScale,
          2 * half * kScale, blend);
  };
  place("flare2.png", 0.17f, add, 0.45f);
  place("flare_mask.png", 0.1f, multiply, 1.0f);
  Image wing = asShown(*pack.find("aile.png")), wingMask = asShown(*pack.find("aile_mask.png"));
  float w = 0.2f * kScale * kWingOpen, h = 0.35f * kScale, top = kCentre - 0.23f * kScale;
  stamp(icon, wingMask, kCentre - w, top, w, h, multiply);
  stamp(icon, wing, kCentre - w, top, w, h, add);
  Image mirroredWing(wing.width, wing.height), mirroredMask(wing.width, wing.height);
  for (int y = 0; y < wing.height; ++y)
    for (int x = 0; x < wing.width; ++x) {
      mirroredWing.set(x, y, wing.rgb(wing.width - 1 - x, y));
      mirroredMask.set(x, y, wingMask.rgb(wing.width - 1 - x, y));
    }
  stamp(icon, mirroredMask, kCentre, top, w, h, multiply);
  stamp(icon, mirroredWing, kCentre, top, w, h, add);
  place("flare.png", 0.12f, add, 1.0f);
  return icon;
}

Image makeContactSheet(const Pack& pack, const Fonts& fonts) {
  constexpr int kWidth = 1800, kPad = 14, kLabel = 34, kHeader = 30;
  const std::vector<std::pair<std::string, std::string>> families = {
      {"ocean", "Ocean: sea, foam, clouds, mist (512, repeat)"},
      {"phrases", "Ocean: phrases 1-7 (512)"},
      {"logo", "Ocean: logo tiles, groups 1-3 (128), and each group assembled"},
      {"pyramid", "Pyramid: stone (256, repeat), sand (512, repeat), sky panorama (1024 x 256)"},
      {"forest",
       "Forest: tiles and masks (128), water BMPs (256), picture and lake mask assembled"},
      {"final", "Final scene: barks, halo, wing, masks, glows, spark, greetings"},
      {"package", "Packaging (not read by the demo): application icon"}};
  std::map<std::string, std::vector<Cell>> cells;
  for (const Asset& a : pack.files) {
    int h = a.image.width >= 512 || a.image.height >= 256 ? 160 : 128;
    cells[a.family].push_back({&a,
                               std::to_string(a.image.width) + " x " +
                                   std::to_string(a.image.height) + " " + kindName(a.kind),
                               h});
  }
  for (const Asset& a : pack.views) {
    bool written = a.name.ends_with(".png");
    std::string caption = written ? std::to_string(a.image.width) + " x " +
                                        std::to_string(a.image.height) + " PNG RGB"
                                  : "assembled, as drawn";
    cells[a.family].push_back({&a, caption, written ? 128 : 200});
  }

  // Two passes: the first only measures the height.
  Image sheet;
  for (int pass = 0; pass < 2; ++pass) {
    int y = 60;
    if (pass == 1) {
      label(sheet, fonts.bold,
            "tamsirel asset pack: every image as the demo draws it (PNG quads upright)", kPad, 16,
            22, Rgb{0.95f, 0.95f, 0.95f});
    }
    for (const auto& [family, title] : families) {
      if (pass == 1) label(sheet, fonts.bold, title, kPad, y, 16, Rgb{0.9f, 0.8f, 0.5f});
      y += kHeader;
      int x = kPad, rowHeight = 0;
      for (const Cell& c : cells[family]) {
        Image shown = asShown(*c.asset);
        int th = c.thumbHeight,
            tw = int(std::lround(float(shown.width) * float(th) / float(shown.height)));
        if (tw > 640)
          tw = 640, th = int(std::lround(float(shown.height) * 640.0f / float(shown.width)));
        int cw = std::max(tw, 7 * int(std::max(c.asset->name.size(), c.caption.size() * 6 / 7)));
        if (x + cw > kWidth - kPad) x = kPad, y += rowHeight + kPad, rowHeight = 0;
        if (pass == 1) {
          for (int fy = y - 1; fy <= y + th; ++fy)
            for (int fx = x - 1; fx <= x + tw; ++fx)
              if (fy >= 0 && fx >= 0) sheet.set(fx, fy, Rgb{0.35f, 0.35f, 0.38f});
          stamp(sheet, shown, float(x), float(y), float(tw), float(th),
                [](Rgb, Rgb s) { return s; });
          label(sheet, fonts.regular, c.asset->name, x, y + th + 6, 13, Rgb{0.92f, 0.92f, 0.92f});
          label(sheet, fonts.regular, c.caption, x, y + th + 22, 11, Rgb{0.62f, 0.66f, 0.72f});
        }
        x += cw + kPad;
        rowHeight = std::max(rowHeight, th + kLabel);
      }
      y += rowHeight + 2 * kPad;
    }
    if (pass == 0) {
      sheet = Image(kWidth, y);
      for (size_t i = 0; i < sheet.data.size(); ++i) sheet.data[i] = 0.16f;
    }
  }
  return sheet;
}
