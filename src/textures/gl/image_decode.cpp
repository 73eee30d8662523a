#include "textures/gl/image_decode.h"

#include <utility>

#include "textures/gl/texture_resample.h"

namespace {

bool powerOfTwo(int32_t side) { return side > 0 && (side & (side - 1)) == 0; }

}  // namespace

ImageDecode::ImageDecode(std::string fileName, ImageKind kind, double viewingGamma)
    : fileName_(std::move(fileName)),
      kind_(kind),
      viewingGamma_(viewingGamma),
      image_(std::make_unique<DecodedImage>()) {}

bool ImageDecode::step(int64_t pixels) {
  switch (stage_) {
    case Stage::Start:
      if (kind_ == ImageKind::Bmp) {
        image_->bmp = readBmpFile(fileName_.c_str());
        stage_ = Stage::Done;
        return false;
      }
      stage_ = png_.open(fileName_.c_str(), viewingGamma_) ? Stage::Rows : Stage::Done;
      return stage_ != Stage::Done;
    case Stage::Rows:
      if (png_.readBand(pixels) && !png_.done()) return true;
      image_->pngDecoded = png_.take(&image_->png);
      // The GL stretches no picture whose sides are powers of two, so its levels can be picked
      // now; any other waits for the loader, which knows the size it is uploaded at.
      stage_ = image_->pngDecoded && kind_ == ImageKind::PngWithLevels &&
                       powerOfTwo(image_->png.width) && powerOfTwo(image_->png.height)
                   ? Stage::Levels
                   : Stage::Done;
      return stage_ != Stage::Done;
    case Stage::Levels:
      image_->levelsPicked = pickHalvedLevels(image_->png, &image_->levels);
      stage_ = Stage::Done;
      return false;
    case Stage::Done:
      return false;
  }
  return false;
}
