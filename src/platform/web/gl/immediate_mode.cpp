// glBegin, glEnd, glVertex3f, glColor3f, glColor4f and glTexCoord2f. Each vertex takes the
// current colour and texture coordinate as they are when it is given, whether they were set
// before glBegin or between vertices; glEnd draws the primitive in one WebGL draw.
#include <vector>

#include "platform/web/gl/display_lists.h"
#include "platform/web/gl/layer_state.h"
#include "platform/web/gl/primitive_assembly.h"
#include "platform/web/gl/renderer.h"

namespace webgl_layer {

namespace {

GLenum primitive = 0;
std::vector<Vertex> vertices;  // the open primitive's
std::vector<Vertex> assembled;

void setColour(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  GLfloat* c = layer.state.colour;
  c[0] = r;
  c[1] = g;
  c[2] = b;
  c[3] = a;
}

}  // namespace

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" void glBegin(GLenum mode) {
  if (deferToList([=] { glBegin(mode); }) || refusedInsideBegin()) return;
  if (!validPrimitive(mode)) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  primitive = mode;
  vertices.clear();
  layer.insideBegin = true;
}

extern "C" void glEnd() {
  if (deferToList([] { glEnd(); })) return;
  if (!layer.insideBegin) {
    recordError(GL_INVALID_OPERATION);
    return;
  }
  layer.insideBegin = false;
  const bool flat = layer.state.shadeModel == GL_FLAT;
  const GLenum mode = assemblePrimitive(primitive, vertices, flat, &assembled);
  drawVertices(mode, assembled.data(), assembled.size());
}

// Outside glBegin and glEnd a vertex has no meaning in GL; it is ignored.
extern "C" void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
  if (deferToList([=] { glVertex3f(x, y, z); }) || !layer.insideBegin) return;
  const ServerState& s = layer.state;
  vertices.push_back(Vertex{{x, y, z},
                            {s.colour[0], s.colour[1], s.colour[2], s.colour[3]},
                            {s.texCoord[0], s.texCoord[1]}});
}

extern "C" void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
  if (deferToList([=] { glColor3f(r, g, b); })) return;
  setColour(r, g, b, 1.0f);
}

extern "C" void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
  if (deferToList([=] { glColor4f(r, g, b, a); })) return;
  setColour(r, g, b, a);
}

extern "C" void glTexCoord2f(GLfloat s, GLfloat t) {
  if (deferToList([=] { glTexCoord2f(s, t); })) return;
  GLfloat* tc = layer.state.texCoord;
  tc[0] = s;
  tc[1] = t;
  tc[2] = 0.0f;
  tc[3] = 1.0f;
}
