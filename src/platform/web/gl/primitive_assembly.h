// GL 1.1's ten primitives as the three WebGL draws: triangles, lines and points. Quads, quad
// strips and polygons are cut into triangles along the diagonal Mesa cuts them along (a quad's
// first and third vertex, a strip quad's first and fourth), so colours across a quad interpolate
// as they do there; strips, fans and loops become separate triangles and lines with their
// winding kept. Under flat shading every vertex of a piece takes the colour of the vertex GL takes
// it from (the last of each piece, the first of a polygon). Vertices that complete no piece are
// dropped, as GL drops them.
#pragma once

#include <vector>

#include "platform/web/gl/renderer.h"

namespace webgl_layer {

bool validPrimitive(GLenum primitive);
// Fills `out` with the pieces of `primitive` made of `in` and returns the WebGL mode to draw them.
GLenum assemblePrimitive(GLenum primitive, const std::vector<Vertex>& in, bool flat,
                         std::vector<Vertex>* out);

}  // namespace webgl_layer
