// Parses GL's feedback buffer in the GL_3D_COLOR_TEXTURE layout (x y z, r g b a, s t r q).
#include "gl_feedback.h"

#include <GL/gl.h>

namespace scene_testing {

namespace {
constexpr int kVertexFloats = 11;
constexpr int kBufferFloats = 1 << 16;
}  // namespace

std::vector<FeedbackPolygon> recordPolygons(const std::function<void()>& draw) {
  static std::vector<GLfloat> buffer(kBufferFloats);
  glFeedbackBuffer(kBufferFloats, GL_3D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const int used = glRenderMode(GL_RENDER);
  std::vector<FeedbackPolygon> polygons;
  for (int i = 0; i < used;) {
    const int token = static_cast<int>(buffer[i++]);
    if (token != GL_POLYGON_TOKEN) {
      if (token == GL_PASS_THROUGH_TOKEN) ++i;
      continue;
    }
    const int count = static_cast<int>(buffer[i++]);
    FeedbackPolygon polygon;
    for (int v = 0; v < count; ++v, i += kVertexFloats) {
      const GLfloat* f = &buffer[i];
      polygon.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]});
    }
    polygons.push_back(polygon);
  }
  return polygons;
}

int quadCount(const std::vector<FeedbackPolygon>& polygons) {
  if (polygons.empty()) return 0;
  const bool triangles = polygons.front().size() == 3;
  return triangles ? static_cast<int>(polygons.size()) / 2 : static_cast<int>(polygons.size());
}

}  // namespace scene_testing
