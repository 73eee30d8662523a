// Client pixel rectangles as glPixelStorei lays them out (alignment, row length, skipped rows and
// pixels) and the conversions between GL 1.1's pixel formats, for unsigned bytes only.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/web/gl/layer_state.h"

namespace webgl_layer {

// Rows of width x height pixels one byte per component, packed with no padding.
constexpr PixelStore kTightRows{1, 0, 0, 0};

// Components of a client pixel format (GL_RED ... GL_LUMINANCE_ALPHA); 0 for one the layer does
// not take (GL_COLOR_INDEX, GL_STENCIL_INDEX, GL_DEPTH_COMPONENT, or no format at all).
int componentsOf(GLenum format);
// Where row `row` of a rectangle `width` pixels wide starts, from the first byte the caller gave.
size_t rowOffset(const PixelStore& store, GLsizei width, int components, GLsizei row);
// The rectangle copied out of client memory into tight rows.
std::vector<uint8_t> tightCopy(const uint8_t* pixels, GLsizei width, GLsizei height,
                               int components, const PixelStore& store);
// `count` pixels of `from` as `to`, through RGBA as GL converts: missing colour components are 0,
// a missing alpha is 1, luminance is red when stored and red + green + blue when read back.
// `to` may also be GL_INTENSITY (luminance in all four) for storage.
void convertPixels(const uint8_t* in, GLenum from, uint8_t* out, GLenum to, size_t count,
                   bool readBack);

}  // namespace webgl_layer
