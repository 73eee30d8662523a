// One file decoded ahead, a step at a time: a PNG's header, then its rows a band at a time, then
// its halved levels where it has them; a BMP whole in one step. The worker runs every step at
// once; a build without threads runs one band between two frames. Not here: which files, and
// who waits for them (prefetch_queue.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "textures/gl/image_prefetch.h"
#include "textures/png/png_decode.h"

class ImageDecode {
 public:
  ImageDecode(std::string fileName, ImageKind kind, double viewingGamma);

  const std::string& fileName() const { return fileName_; }
  ImageKind kind() const { return kind_; }

  // Does about `pixels` pixels' worth of the decoding (at least one row, and the halved levels
  // as one step); true while more remains.
  bool step(int64_t pixels);
  // What the decoding made, once step has answered false.
  std::unique_ptr<DecodedImage> take() { return std::move(image_); }

 private:
  enum class Stage { Start, Rows, Levels, Done };

  std::string fileName_;
  ImageKind kind_;
  double viewingGamma_;
  Stage stage_ = Stage::Start;
  PngBandReader png_;
  std::unique_ptr<DecodedImage> image_;
};
