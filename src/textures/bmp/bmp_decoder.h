// BMP (device-independent bitmap) files to RgbImage. Both classic header layouts, with or without
// the file header; every depth and compression the format's standard conversion handles. Failures
// are told in "Error" boxes and give nullptr. Reading and telling are apart, so that a file read
// ahead of time is told about when its picture is asked for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "textures/bmp/rgb_image.h"

// What reading a file gave: the picture, or nullptr and the messages for the viewer, in order
// (none for a file that does not exist). The caller owns the picture.
struct BmpRead {
  RgbImage* image = nullptr;
  std::vector<std::string> messages;
};

// The existence test, then the decoder proper on the file mapped read-only. Shows nothing.
BmpRead readBmpFile(const char* fileName);
// Each message in an "Error" box.
void showBmpMessages(const std::vector<std::string>& messages);

// readBmpFile and its boxes: nullptr, silently, when the file does not exist or `fileName` is
// null.
RgbImage* loadBmpImage(const char* fileName);
