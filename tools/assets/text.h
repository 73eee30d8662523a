// Anti-aliased text for the asset pack, rasterised by FreeType from a Debian font file.
#pragma once

#include <string>

#include "image.h"

class Font {
 public:
  Font() = default;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

  bool open(const std::string& path, std::string* error);
  // The coverage (0..1, one channel) of one line of ASCII text at `pixelSize`, cropped to its ink;
  // `tracking` adds that many pixels between letters. `baseline`, when given, receives the
  // baseline's row in the cropped picture, so that lines set apart can share one baseline.
  Image renderLine(const std::string& text, int pixelSize, float tracking = 0.0f,
                   int* baseline = nullptr) const;

 private:
  void* library_ = nullptr;  // FT_Library, kept out of this header
  void* face_ = nullptr;     // FT_Face
};

// The fonts every family may use, opened once.
struct Fonts {
  Font regular;
  Font bold;
  Font serif;
};

bool openFonts(Fonts& fonts, const std::string& directory, std::string* error);

// Adds `coverage` into the grey image `target` with its top left at (x, y), clamped to 1.
void pasteCoverage(Image& target, const Image& coverage, int x, int y);
// Pastes `coverage` so that its ink is centred at (cx, cy) and returns the top left used.
void pasteCentred(Image& target, const Image& coverage, int cx, int cy);
