// The BMP entry points: the existence test, the mapping of the file and the "Error" boxes that
// tell the viewer why a picture could not be read. Decoding is in dib_decode.cpp.
#include "textures/bmp/bmp_decoder.h"

#include <cstdio>

#include "platform/mapped_file.h"
#include "platform/platform.h"
#include "textures/bmp/dib_decode.h"

namespace {

const char* dibStatusText(DibStatus status) {
  switch (status) {
    case DibStatus::UnknownFormat:
      return "Unknown DIB file format.";
    case DibStatus::OutOfMemory:
      return "Out of memory.";
    default:
      return "Image file conversion error.";
  }
}

bool exists(const char* fileName) {
  FILE* probe = std::fopen(fileName, "rb");
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

}  // namespace

BmpRead readBmpFile(const char* fileName) {
  BmpRead read;
  if (fileName == nullptr || !exists(fileName)) return read;
  const platform::MappedFile file(fileName);
  if (!file.isOpen()) {
    read.messages.push_back(std::string("Failed to open DIB file ") + fileName + ".\n");
    return read;
  }
  const DibStatus status = decodeDib(file.data(), file.size(), &read.image);
  if (status != DibStatus::Ok) read.messages.push_back(dibStatusText(status));
  return read;
}

void showBmpMessages(const std::vector<std::string>& messages) {
  for (const std::string& text : messages) {
    platform::current().messageBox(text.c_str(), "Error", platform::BoxButtons::Ok,
                                   platform::BoxIcon::None, false);
  }
}

RgbImage* loadBmpImage(const char* fileName) {
  BmpRead read = readBmpFile(fileName);
  showBmpMessages(read.messages);
  return read.image;
}
