// The smallest asset pack the demo runs on: the soundtrack as silent MP3 frames and the forest's
// nineteen BMP files as small grey pictures; the PNG files may all be missing.
#pragma once

#include <string>

// Writes the pack into `dir`, leaving out the file named `without` (if any).
bool writeMinimalPack(const std::string& dir, const std::string& without = "");
