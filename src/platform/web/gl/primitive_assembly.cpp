#include "platform/web/gl/primitive_assembly.h"

#include <algorithm>
#include <initializer_list>

namespace webgl_layer {

namespace {

class Pieces {
 public:
  Pieces(const std::vector<Vertex>& in, bool flat, std::vector<Vertex>* out)
      : in_(in), flat_(flat), out_(out) {}

  // Appends the vertices `corners` (indices into the primitive); under flat shading each takes
  // the colour of vertex `provoking`.
  void add(std::initializer_list<size_t> corners, size_t provoking) {
    for (size_t corner : corners) {
      Vertex v = in_[corner];
      if (flat_) std::copy(in_[provoking].colour, in_[provoking].colour + 4, v.colour);
      out_->push_back(v);
    }
  }

 private:
  const std::vector<Vertex>& in_;
  bool flat_;
  std::vector<Vertex>* out_;
};

void triangles(GLenum primitive, size_t n, Pieces* p) {
  switch (primitive) {
    case GL_TRIANGLES:
      for (size_t i = 0; i + 2 < n; i += 3) p->add({i, i + 1, i + 2}, i + 2);
      return;
    case GL_TRIANGLE_STRIP:
      for (size_t i = 0; i + 2 < n; ++i) {
        if (i % 2 == 0) {
          p->add({i, i + 1, i + 2}, i + 2);
        } else {
          p->add({i + 1, i, i + 2}, i + 2);
        }
      }
      return;
    case GL_TRIANGLE_FAN:
      for (size_t i = 1; i + 1 < n; ++i) p->add({0, i, i + 1}, i + 1);
      return;
    case GL_QUADS:
      for (size_t i = 0; i + 3 < n; i += 4) {
        p->add({i, i + 1, i + 2}, i + 3);
        p->add({i, i + 2, i + 3}, i + 3);
      }
      return;
    case GL_QUAD_STRIP:
      for (size_t i = 0; i + 3 < n; i += 2) {
        p->add({i, i + 1, i + 3}, i + 3);
        p->add({i, i + 3, i + 2}, i + 3);
      }
      return;
    default:  // GL_POLYGON
      for (size_t i = 1; n >= 3 && i + 1 < n; ++i) p->add({0, i, i + 1}, 0);
      return;
  }
}

void lines(GLenum primitive, size_t n, Pieces* p) {
  if (primitive == GL_LINES) {
    for (size_t i = 0; i + 1 < n; i += 2) p->add({i, i + 1}, i + 1);
    return;
  }
  for (size_t i = 0; i + 1 < n; ++i) p->add({i, i + 1}, i + 1);
  if (primitive == GL_LINE_LOOP && n >= 2) p->add({n - 1, 0}, 0);
}

}  // namespace

bool validPrimitive(GLenum primitive) {
  switch (primitive) {
    case GL_POINTS: case GL_LINES: case GL_LINE_STRIP: case GL_LINE_LOOP: case GL_TRIANGLES:
    case GL_TRIANGLE_STRIP: case GL_TRIANGLE_FAN: case GL_QUADS: case GL_QUAD_STRIP:
    case GL_POLYGON:
      return true;
    default:
      return false;
  }
}

GLenum assemblePrimitive(GLenum primitive, const std::vector<Vertex>& in, bool flat,
                         std::vector<Vertex>* out) {
  out->clear();
  Pieces pieces(in, flat, out);
  if (primitive == GL_POINTS) {
    *out = in;
    return GL_POINTS;
  }
  if (primitive == GL_LINES || primitive == GL_LINE_STRIP || primitive == GL_LINE_LOOP) {
    lines(primitive, in.size(), &pieces);
    return GL_LINES;
  }
  triangles(primitive, in.size(), &pieces);
  return GL_TRIANGLES;
}

}  // namespace webgl_layer
