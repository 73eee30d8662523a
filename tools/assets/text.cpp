// FreeType rasterisation of single lines: glyph bitmaps (8-bit, anti-aliased) laid along a
// baseline with kerning, then cropped to the ink.
#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

Font::~Font() {
  if (face_) FT_Done_Face(FT_Face(face_));
  if (library_) FT_Done_FreeType(FT_Library(library_));
}

bool Font::open(const std::string& path, std::string* error) {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    *error = "FreeType could not start";
    return false;
  }
  library_ = library;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    *error = "cannot open the font " + path + " (install fonts-dejavu-core)";
    return false;
  }
  face_ = face;
  return true;
}

Image Font::renderLine(const std::string& text, int pixelSize, float tracking,
                       int* baselineRow) const {
  FT_Face face = FT_Face(face_);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
  int margin = pixelSize;
  Image canvas(int(float(text.size()) * (float(pixelSize) + tracking)) + 2 * margin, pixelSize * 3,
               1);
  float penX = float(margin);
  int baseline = pixelSize * 2;
  FT_UInt previous = 0;
  for (unsigned char ch : text) {
    FT_UInt glyph = FT_Get_Char_Index(face, ch);
    if (previous && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
      penX += float(kern.x) / 64.0f;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
    FT_GlyphSlot slot = face->glyph;
    int gx = int(std::lround(penX)) + slot->bitmap_left, gy = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < slot->bitmap.rows; ++row)
      for (unsigned col = 0; col < slot->bitmap.width; ++col) {
        int x = gx + int(col), y = gy + int(row);
        if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) continue;
        float c = float(slot->bitmap.buffer[row * unsigned(slot->bitmap.pitch) + col]) / 255.0f;
        canvas.grey(x, y) = std::min(1.0f, canvas.grey(x, y) + c);
      }
    penX += float(slot->advance.x) / 64.0f + tracking;
    previous = glyph;
  }
  int x0 = canvas.width, y0 = canvas.height, x1 = -1, y1 = -1;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (canvas.grey(x, y) > 0) {
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  if (x1 < 0) return Image(1, 1, 1);
  if (baselineRow) *baselineRow = baseline - y0;
  return crop(canvas, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

bool openFonts(Fonts& fonts, const std::string& directory, std::string* error) {
  return fonts.regular.open(directory + "/DejaVuSans.ttf", error) &&
         fonts.bold.open(directory + "/DejaVuSans-Bold.ttf", error) &&
         fonts.serif.open(directory + "/DejaVuSerif.ttf", error);
}

void pasteCoverage(Image& target, const Image& coverage, int x, int y) {
  for (int sy = 0; sy < coverage.height; ++sy)
    for (int sx = 0; sx < coverage.width; ++sx) {
      int tx = x + sx, ty = y + sy;
      if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
      target.grey(tx, ty) = std::min(1.0f, target.grey(tx, ty) + coverage.grey(sx, sy));
    }
}

void pasteCentred(Image& target, const Image& coverage, int cx, int cy) {
  pasteCoverage(target, coverage, cx - coverage.width / 2, cy - coverage.height / 2);
}
