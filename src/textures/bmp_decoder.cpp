// The BMP entry points: the existence test, the mapping of the file and the "Error" boxes that
// tell the viewer why a picture could not be read. Decoding is in dib_decode.cpp.
#include "textures/bmp_decoder.h"

#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "textures/dib_decode.h"
#include "platform/mapped_file.h"

namespace {

void showDibError(const std::string& text) {
  platform::current().messageBox(text.c_str(), "Error", platform::BoxButtons::Ok,
                                 platform::BoxIcon::None, false);
}

const char* dibStatusText(DibStatus status) {
  switch (status) {
    case DibStatus::UnknownFormat: return "Unknown DIB file format.";
    case DibStatus::OutOfMemory: return "Out of memory.";
    default: return "Image file conversion error.";
  }
}

}  // namespace

RgbImage* loadBmpImage(const char* fileName) {
  if (fileName == nullptr) return nullptr;
  FILE* probe = std::fopen(fileName, "rb");
  if (probe == nullptr) return nullptr;
  std::fclose(probe);
  return readDibImage(fileName);
}

RgbImage* readDibImage(const char* fileName) {
  if (fileName == nullptr) return nullptr;
  const platform::MappedFile file(fileName);
  if (!file.isOpen()) {
    showDibError(std::string("Failed to open DIB file ") + fileName + ".\n");
    return nullptr;
  }
  RgbImage* image = nullptr;
  const DibStatus status = decodeDib(file.data(), file.size(), &image);
  if (status != DibStatus::Ok) showDibError(dibStatusText(status));
  return image;
}
