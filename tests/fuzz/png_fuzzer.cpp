// libFuzzer target for pngBind's decoding path (everything but the GL upload): any bytes as a
// PNG file, with and without a viewing gamma. Checksums are ignored in this build (see
// png_decode.cpp) so mutations reach the decoder.
#include <cstddef>
#include <cstdint>

#include "textures/png/png_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PngPixels pixels;
  const double gamma = size > 0 && (data[size - 1] & 1) ? 1.7 : 0;
  if (decodePngMemory(data, size, gamma, &pixels)) {
    const size_t bytes = static_cast<size_t>(pixels.width) * pixels.height * 3;
    volatile uint8_t sink = pixels.rgb[0];
    sink = sink + pixels.rgb[bytes - 1];
  }
  return 0;
}
