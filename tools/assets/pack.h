// The asset pack in memory: every file the families make, with how it is written, before
// main writes them out and draws the contact sheet.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "image.h"
#include "text.h"

enum class FileKind { Png, Bmp24, Bmp8, Bmp1 };

struct Asset {
  Asset(std::string fileName, std::string familyName, FileKind fileKind, Image picture,
        bool flipped = false)
      : name(std::move(fileName)),
        family(std::move(familyName)),
        kind(fileKind),
        image(std::move(picture)),
        drawnFlipped(flipped) {}

  std::string name;
  std::string family;
  FileKind kind = FileKind::Png;
  Image image;  // as stored: row 0 is the file's first PNG row, or a BMP's top row
  // The demo draws this PNG with its first row at the bottom of the quad; the sheet flips it back.
  bool drawnFlipped = false;
  std::vector<uint8_t> indices;                 // FileKind::Bmp8 only
  std::vector<std::array<uint8_t, 3>> palette;  // FileKind::Bmp8 only
};

struct Pack {
  std::vector<Asset> files;  // read by the demo
  std::vector<Asset> views;  // assembled pictures for the contact sheet only (not written)
  const Asset* find(const std::string& name) const;
};

// The families, each adding its files in the demo's loading order.
void addOceanFamily(Pack& pack);
void addPhraseFamily(Pack& pack, const Fonts& fonts);
void addLogoFamily(Pack& pack, const Fonts& fonts);
void addPyramidFamily(Pack& pack);
void addForestFamily(Pack& pack);
void addFlareFamily(Pack& pack, const Fonts& fonts);

// Not read by the demo: the application icon and the contact sheet.
Image makeIcon(const Pack& pack);
Image makeContactSheet(const Pack& pack, const Fonts& fonts);
