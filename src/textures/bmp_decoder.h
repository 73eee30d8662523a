// BMP (device-independent bitmap) files to RgbImage. Both classic header layouts, with or without
// the file header; every depth and compression the format's standard conversion handles. Failures
// are shown in "Error" boxes and give nullptr.
#pragma once

#include <cstdint>

#include "textures/rgb_image.h"

// nullptr, silently, when the file does not exist or `fileName` is null.
RgbImage* loadBmpImage(const char* fileName);
// The decoder proper, called by loadBmpImage only: the file mapped read-only, each failure shown
// in its own "Error" box.
RgbImage* readDibImage(const char* fileName);
