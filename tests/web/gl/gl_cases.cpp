#include "gl_cases.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <vector>

namespace glcases {

namespace {

void clearTo(float r, float g, float b) {
  glClearColor(r, g, b, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// An axis-aligned quad, counter-clockwise, texture coordinates 0 to `repeat` across it.
void quad(float x0, float y0, float x1, float y1, float z, float repeat = 1.0f) {
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(x0, y0, z);
  glTexCoord2f(repeat, 0.0f);
  glVertex3f(x1, y0, z);
  glTexCoord2f(repeat, repeat);
  glVertex3f(x1, y1, z);
  glTexCoord2f(0.0f, repeat);
  glVertex3f(x0, y1, z);
  glEnd();
}

// One of columns x rows cells of the picture as the viewport.
void cell(int column, int row, int columns, int rows) {
  const int w = kSide / columns, h = kSide / rows;
  glViewport(column * w, row * h, w, h);
}

// A side x side RGB texture, every texel its own colour, rows packed (alignment 1).
GLuint patternTexture(int side, GLint filter) {
  std::vector<uint8_t> texels;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool odd = (x + y) % 2 != 0;
      texels.push_back(static_cast<uint8_t>(odd ? 230 : 30));
      texels.push_back(static_cast<uint8_t>(40 + 200 * x / side));
      texels.push_back(static_cast<uint8_t>(40 + 200 * y / side));
    }
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  return name;
}

GLuint solidTexture(uint8_t r, uint8_t g, uint8_t b) {
  const uint8_t texel[4] = {r, g, b, 255};
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return name;
}

// ---------------------------------------------------------------- defaults and current values

// Nothing set: white current colour, no depth test, identity matrices, and GL_EXP fog of
// density 1 towards (0, 0, 0) once fog is on.
void defaults() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  quad(-0.9f, -0.9f, 0.0f, 0.0f, -0.5f);
  glColor3f(0.2f, 0.6f, 1.0f);
  quad(-0.5f, -0.5f, 0.5f, 0.5f, 0.5f);  // drawn later and farther: covers without a depth test
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_FOG);
  quad(0.1f, 0.1f, 0.9f, 0.9f, -0.5f);
  glDisable(GL_FOG);
}

void currentColourCarriesOver() {
  clearTo(0.1f, 0.1f, 0.1f);
  glColor3f(1.0f, 0.5f, 0.0f);
  glBegin(GL_TRIANGLES);  // no colour inside: the one set before
  glVertex3f(-0.9f, 0.1f, 0.0f);
  glVertex3f(-0.1f, 0.1f, 0.0f);
  glVertex3f(-0.5f, 0.9f, 0.0f);
  glEnd();
  glBegin(GL_QUADS);  // the first vertex orange, the next three blue
  glVertex3f(0.1f, 0.1f, 0.0f);
  glColor3f(0.0f, 0.3f, 1.0f);
  glVertex3f(0.9f, 0.1f, 0.0f);
  glVertex3f(0.9f, 0.9f, 0.0f);
  glVertex3f(0.1f, 0.9f, 0.0f);
  glEnd();
  glBegin(GL_TRIANGLES);  // still blue after glEnd
  glVertex3f(-0.9f, -0.9f, 0.0f);
  glVertex3f(-0.1f, -0.9f, 0.0f);
  glVertex3f(-0.5f, -0.1f, 0.0f);
  glEnd();
  const GLuint pattern = patternTexture(4, GL_NEAREST);
  glEnable(GL_TEXTURE_2D);
  glColor3f(1.0f, 1.0f, 1.0f);
  glTexCoord2f(0.6f, 0.1f);  // one texel for the whole triangle
  glBegin(GL_TRIANGLES);
  glVertex3f(0.1f, -0.9f, 0.0f);
  glVertex3f(0.9f, -0.9f, 0.0f);
  glVertex3f(0.5f, -0.1f, 0.0f);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &pattern);
}

// ---------------------------------------------------------------- primitives

// Two rings of a strip like the pyramid's sky, every vertex its own colour, two out of [0, 1].
void quadStrip() {
  clearTo(0.0f, 0.0f, 0.0f);
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i <= 4; ++i) {
    const float x = -0.9f + 0.45f * static_cast<float>(i);
    const float lift = (i % 2 == 0) ? 0.0f : 0.2f;
    glColor3f(i == 2 ? 1.5f : 0.25f * static_cast<float>(i), 0.2f, 1.0f - 0.2f * i);
    glVertex3f(x, -0.8f + lift, 0.0f);
    glColor3f(0.9f, i == 3 ? -0.5f : 0.2f * static_cast<float>(i), 0.3f);
    glVertex3f(x, 0.7f - lift, 0.0f);
  }
  glEnd();
}

void colouredVertex(float r, float g, float b, float x, float y) {
  glColor3f(r, g, b);
  glVertex3f(x, y, 0.0f);
}

void fanStripPolygonQuads() {
  clearTo(0.0f, 0.0f, 0.0f);
  cell(0, 1, 2, 2);
  glBegin(GL_TRIANGLE_STRIP);
  colouredVertex(1, 0, 0, -0.9f, -0.9f);
  colouredVertex(0, 1, 0, -0.9f, 0.9f);
  colouredVertex(0, 0, 1, 0.0f, -0.9f);
  colouredVertex(1, 1, 0, 0.0f, 0.9f);
  colouredVertex(0, 1, 1, 0.9f, -0.5f);
  glEnd();
  cell(1, 1, 2, 2);
  glBegin(GL_TRIANGLE_FAN);
  colouredVertex(1, 1, 1, 0.0f, 0.0f);
  colouredVertex(1, 0, 0, 0.9f, 0.0f);
  colouredVertex(0, 1, 0, 0.0f, 0.9f);
  colouredVertex(0, 0, 1, -0.9f, 0.0f);
  colouredVertex(1, 0, 1, 0.0f, -0.9f);
  glEnd();
  cell(0, 0, 2, 2);
  glBegin(GL_POLYGON);
  colouredVertex(1, 0, 0, -0.2f, -0.9f);
  colouredVertex(0, 1, 0, 0.8f, -0.4f);
  colouredVertex(0, 0, 1, 0.6f, 0.7f);
  colouredVertex(1, 1, 0, -0.5f, 0.9f);
  colouredVertex(0, 1, 1, -0.9f, 0.0f);
  glEnd();
  cell(1, 0, 2, 2);
  glBegin(GL_QUADS);  // opposite corners alike: the diagonal shows in the middle
  colouredVertex(1, 0, 0, -0.9f, -0.9f);
  colouredVertex(0, 0, 0, 0.9f, -0.9f);
  colouredVertex(1, 0, 0, 0.9f, 0.9f);
  colouredVertex(0, 0, 0, -0.9f, 0.9f);
  glEnd();
  glViewport(0, 0, kSide, kSide);
}

void flatShading() {
  glShadeModel(GL_FLAT);
  fanStripPolygonQuads();
  glShadeModel(GL_SMOOTH);
}

// ---------------------------------------------------------------- matrices

// As the pyramid: a list holding a bind and textured triangles, called under a texture matrix
// scaled by 2, after the texture bound at the call has changed.
void displayListUnderTextureMatrix() {
  clearTo(0.0f, 0.0f, 0.2f);
  const GLuint pattern = patternTexture(4, GL_NEAREST);
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);  // compiled only: nothing is drawn at the identity position
  glBindTexture(GL_TEXTURE_2D, pattern);
  glBegin(GL_TRIANGLES);
  glTexCoord2f(0.5f, 0.0f);
  glVertex3f(0.0f, 0.6f, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(-0.6f, -0.6f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(0.6f, -0.6f, 0.0f);
  glEnd();
  glEndList();
  const GLuint other = solidTexture(255, 0, 0);
  glEnable(GL_TEXTURE_2D);
  glTranslatef(-0.35f, 0.3f, 0.0f);
  glScalef(0.6f, 0.6f, 1.0f);
  glMatrixMode(GL_TEXTURE);
  glScalef(2.0f, 2.0f, 2.0f);
  glCallList(list);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.45f, -0.4f, 0.0f);
  glScalef(0.5f, 0.5f, 1.0f);
  glCallList(list);
  glLoadIdentity();
  quad(0.55f, 0.55f, 0.95f, 0.95f, 0.0f);  // the list's bind is still in force
  glDisable(GL_TEXTURE_2D);
  glDeleteLists(list, 1);
  glDeleteTextures(1, &pattern);
  glDeleteTextures(1, &other);
}

// Both GLU calls multiply what is already there: a scaled projection, a shifted model-view.
void lookAtAndPerspective() {
  clearTo(0.3f, 0.3f, 0.35f);
  glEnable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glScalef(0.8f, 1.0f, 1.0f);
  gluPerspective(60.0, 1.0, 0.1, 20.0);
  glMatrixMode(GL_MODELVIEW);
  glTranslatef(0.4f, 0.0f, 0.0f);
  gluLookAt(2.0, 2.5, 4.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
  for (int z = -2; z < 2; ++z) {  // a floor of tiles
    for (int x = -2; x < 2; ++x) {
      glColor3f((x + 2) * 0.25f, 0.4f, (z + 2) * 0.25f);
      glBegin(GL_QUADS);
      glVertex3f(static_cast<float>(x), 0.0f, static_cast<float>(z));
      glVertex3f(static_cast<float>(x), 0.0f, static_cast<float>(z + 1));
      glVertex3f(static_cast<float>(x + 1), 0.0f, static_cast<float>(z + 1));
      glVertex3f(static_cast<float>(x + 1), 0.0f, static_cast<float>(z));
      glEnd();
    }
  }
  glColor3f(1.0f, 0.9f, 0.2f);  // an upright wall through the floor
  glBegin(GL_QUADS);
  glVertex3f(-1.0f, -0.5f, 0.5f);
  glVertex3f(1.0f, -0.5f, 0.5f);
  glVertex3f(1.0f, 1.0f, -0.5f);
  glVertex3f(-1.0f, 1.0f, -0.5f);
  glEnd();
  glColor3f(1.0f, 1.0f, 1.0f);
  glDisable(GL_DEPTH_TEST);
}

// The ocean's projection: a near plane of 0 gives every depth 1, so with GL_LEQUAL against a
// cleared 1 what comes later covers what came before, however far.
void perspectiveNearZero() {
  clearTo(0.0f, 0.0f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glMatrixMode(GL_PROJECTION);
  glRotatef(8.0f, 0.0f, 0.0f, 1.0f);
  gluPerspective(20.0, 1.0, 0.0, 700.0);
  glMatrixMode(GL_MODELVIEW);
  glColor3f(1.0f, 0.2f, 0.2f);
  quad(-4.0f, -4.0f, 3.0f, 3.0f, -30.0f);
  glColor3f(0.2f, 1.0f, 0.2f);
  quad(-1.0f, -1.0f, 1.5f, 1.5f, -8.0f);
  glColor3f(0.3f, 0.4f, 1.0f);  // far behind both, drawn last: on top
  quad(-20.0f, -10.0f, 5.0f, 10.0f, -150.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glDepthFunc(GL_LESS);
  glDisable(GL_DEPTH_TEST);
}

// ---------------------------------------------------------------- per fragment

// A textured floor receding from 1 to 12 units, in each of the three fog modes.
void fogModes() {
  clearTo(0.5f, 0.5f, 0.5f);
  const GLuint pattern = patternTexture(8, GL_LINEAR);
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  gluPerspective(50.0, 1.0 / 3.0, 0.1, 50.0);
  glMatrixMode(GL_MODELVIEW);
  const GLfloat grey[4] = {0.55f, 0.6f, 0.65f, 1.0f};
  glEnable(GL_FOG);
  glFogfv(GL_FOG_COLOR, grey);
  const GLint modes[3] = {GL_EXP, GL_EXP2, GL_LINEAR};
  for (int i = 0; i < 3; ++i) {
    glViewport(i * 21, 0, 21, kSide);
    glFogi(GL_FOG_MODE, modes[i]);
    glFogf(GL_FOG_DENSITY, i == 0 ? 0.35f : 0.2f);
    glFogf(GL_FOG_START, 1.0f);
    glFogf(GL_FOG_END, 10.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -0.4f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(1.0f, -0.4f, -1.0f);
    glTexCoord2f(1.0f, 3.0f);
    glVertex3f(1.0f, -0.4f, -12.0f);
    glTexCoord2f(0.0f, 3.0f);
    glVertex3f(-1.0f, -0.4f, -12.0f);
    glEnd();
  }
  glDisable(GL_FOG);
  glDisable(GL_TEXTURE_2D);
  glViewport(0, 0, kSide, kSide);
  glDeleteTextures(1, &pattern);
}

// The scenes' four blend functions, one a column, a translucent textured layer over a gradient.
void blendFunctions() {
  clearTo(0.0f, 0.0f, 0.0f);
  glBegin(GL_QUADS);
  colouredVertex(0.1f, 0.2f, 0.9f, -1.0f, -1.0f);
  colouredVertex(0.1f, 0.2f, 0.9f, 1.0f, -1.0f);
  colouredVertex(0.9f, 0.7f, 0.1f, 1.0f, 1.0f);
  colouredVertex(0.9f, 0.7f, 0.1f, -1.0f, 1.0f);
  glEnd();
  const GLuint pattern = patternTexture(4, GL_NEAREST);
  const GLenum functions[4][2] = {{GL_SRC_ALPHA, GL_ONE},
                                  {GL_ONE, GL_ONE},
                                  {GL_DST_COLOR, GL_ZERO},
                                  {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}};
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glColor4f(0.8f, 0.6f, 0.5f, 0.6f);
  for (int i = 0; i < 4; ++i) {
    glBlendFunc(functions[i][0], functions[i][1]);
    const float x = -1.0f + 0.5f * static_cast<float>(i);
    quad(x + 0.05f, -0.8f, x + 0.45f, 0.8f, 0.0f);
  }
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glBlendFunc(GL_ONE, GL_ZERO);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &pattern);
}

void depthLequal() {
  clearTo(0.0f, 0.0f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glColor3f(1.0f, 0.0f, 0.0f);
  quad(-0.9f, -0.9f, 0.5f, 0.5f, 0.0f);
  glColor3f(0.0f, 1.0f, 0.0f);  // the same depth: passes
  quad(-0.6f, -0.6f, 0.2f, 0.2f, 0.0f);
  glColor3f(0.0f, 0.0f, 1.0f);  // farther: hidden
  quad(-0.3f, -0.3f, 0.9f, 0.9f, 0.5f);
  glColor3f(1.0f, 1.0f, 0.0f);  // nearer: drawn
  quad(0.0f, -0.9f, 0.9f, -0.3f, -0.5f);
  glDepthFunc(GL_LESS);
  glColor3f(1.0f, 0.0f, 1.0f);  // the same depth again, now refused
  quad(-0.9f, 0.0f, -0.3f, 0.9f, 0.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glDisable(GL_DEPTH_TEST);
}

// ---------------------------------------------------------------- textures

// The BMP loader's upload: internal format 3, rows of 9 bytes under an alignment of 1; nearest
// on the left, linear on the right.
void textureFormat3RowsOf9() {
  clearTo(0.0f, 0.0f, 0.0f);
  const uint8_t texels[27] = {255, 0,   0,   0,   255, 0,   0,  0,   255,  //
                              255, 255, 0,   0,   255, 255, 255, 0,   255,  //
                              40,  40,  40,  128, 128, 128, 250, 250, 250};
  GLuint names[2] = {0, 0};
  glGenTextures(2, names);
  glEnable(GL_TEXTURE_2D);
  for (int i = 0; i < 2; ++i) {
    glBindTexture(GL_TEXTURE_2D, names[i]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 3, 3, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const GLint filter = i == 0 ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    quad(i == 0 ? -1.0f : 0.0f, -1.0f, i == 0 ? 0.0f : 1.0f, 1.0f, 0.0f);
  }
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(2, names);
}

// The upload queue's way: storage made with no pixels, filled in bands of rows, and the smaller
// levels given though the filter uses none of them.
void textureSentInBands() {
  clearTo(0.0f, 0.0f, 0.0f);
  const int w = 5, h = 6;
  std::vector<uint8_t> rgb;
  for (int i = 0; i < w * h; ++i) {
    rgb.insert(rgb.end(), {static_cast<uint8_t>(i * 8), static_cast<uint8_t>(255 - i * 8),
                           static_cast<uint8_t>((i % 3) * 120)});
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  for (int row = 0; row < h; row += 2) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, row, w, 2, GL_RGB, GL_UNSIGNED_BYTE, &rgb[row * w * 3]);
  }
  const uint8_t grey[6 * 3] = {90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90};
  glTexImage2D(GL_TEXTURE_2D, 1, GL_RGB, 2, 3, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
  glTexImage2D(GL_TEXTURE_2D, 2, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glEnable(GL_TEXTURE_2D);
  quad(-0.9f, -0.9f, 0.9f, 0.9f, 0.0f);
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &name);
}

void textureRepeat() {
  clearTo(0.0f, 0.0f, 0.0f);
  glEnable(GL_TEXTURE_2D);
  GLuint names[2];
  for (int i = 0; i < 2; ++i) {
    names[i] = patternTexture(4, i == 0 ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    const float y0 = i == 0 ? 0.0f : -1.0f;
    glBegin(GL_QUADS);
    glTexCoord2f(-1.25f, -0.5f);
    glVertex3f(-1.0f, y0, 0.0f);
    glTexCoord2f(2.75f, -0.5f);
    glVertex3f(1.0f, y0, 0.0f);
    glTexCoord2f(2.75f, 1.5f);
    glVertex3f(1.0f, y0 + 1.0f, 0.0f);
    glTexCoord2f(-1.25f, 1.5f);
    glVertex3f(-1.0f, y0 + 1.0f, 0.0f);
    glEnd();
  }
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(2, names);
}

// Texturing with texture 0 (a slot whose picture failed), or with a mipmap filter and one level,
// is as if texturing were off: the vertex colour shows.
void incompleteTextures() {
  clearTo(0.0f, 0.0f, 0.0f);
  glEnable(GL_TEXTURE_2D);
  glColor3f(0.2f, 0.6f, 0.9f);
  glBindTexture(GL_TEXTURE_2D, 0);
  quad(-0.9f, -0.9f, -0.1f, 0.9f, 0.0f);
  const GLuint pattern = patternTexture(4, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  quad(0.1f, 0.1f, 0.9f, 0.9f, 0.0f);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  quad(0.1f, -0.9f, 0.9f, -0.1f, 0.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &pattern);
}

// Internal formats other than the pixels' own, blended over grey so that alpha shows.
void internalFormats() {
  clearTo(0.4f, 0.4f, 0.4f);
  const uint8_t rgba[4 * 4] = {250, 120, 30, 200, 30, 220, 90, 60,
                               90, 40, 240, 255, 200, 200, 20, 0};
  struct Upload {
    GLint internal;
    GLenum format;
  };
  const Upload uploads[6] = {{1, GL_RGBA},        {2, GL_RGBA},         {3, GL_RGBA},
                             {GL_ALPHA, GL_RGBA}, {GL_INTENSITY, GL_RGBA}, {4, GL_LUMINANCE_ALPHA}};
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1.0f, 0.9f, 0.8f, 1.0f);
  for (int i = 0; i < 6; ++i) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, uploads[i].internal, 2, 2, 0, uploads[i].format,
                 GL_UNSIGNED_BYTE, rgba);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    cell(i % 3, i / 3, 3, 2);
    // Off centre: in a cell 21 pixels wide a centred quad puts its texel edge on a pixel centre.
    quad(-0.9f, -0.9f, 0.8f, 0.8f, 0.0f);
    glDeleteTextures(1, &name);
  }
  glViewport(0, 0, kSide, kSide);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glBlendFunc(GL_ONE, GL_ZERO);
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
}

// A 3 x 2 piece out of an 8 x 8 client picture (row length, skipped rows and pixels, rows
// aligned to 4), and an alignment that glPopClientAttrib puts back.
void unpackRectangle() {
  clearTo(0.0f, 0.0f, 0.0f);
  std::vector<uint8_t> picture(8 * 8 * 3);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i * 37 % 251);
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 8);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPopClientAttrib();
  glEnable(GL_TEXTURE_2D);
  quad(-1.0f, 0.0f, 1.0f, 1.0f, 0.0f);
  // Back at alignment 4 and no skips: rows of 3 pixels (9 bytes) are read 12 bytes apart.
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
  quad(-1.0f, -1.0f, 1.0f, 0.0f, 0.0f);
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &name);
}

// ---------------------------------------------------------------- state stacks and errors

// The warm-up's push of everything: each change made inside (and drawn with, so that it reached
// the GL) is gone after the pop. The scale after the pop must land on the model-view matrix.
void attributesPushPop() {
  clearTo(0.0f, 0.0f, 0.0f);
  const GLuint pattern = patternTexture(4, GL_NEAREST);
  const GLuint green = solidTexture(0, 255, 0);
  glBindTexture(GL_TEXTURE_2D, pattern);
  glEnable(GL_TEXTURE_2D);
  glColor3f(1.0f, 0.7f, 0.5f);
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glMatrixMode(GL_TEXTURE);
  glViewport(0, 0, 16, 16);
  glBindTexture(GL_TEXTURE_2D, green);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glColor3f(0.0f, 0.0f, 1.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_ALWAYS);
  quad(-1.0f, -1.0f, 1.0f, 1.0f, 0.0f);
  glDepthFunc(GL_NEVER);
  glDisable(GL_TEXTURE_2D);
  glPopAttrib();
  glScalef(0.5f, 0.5f, 1.0f);
  quad(-1.0f, -1.0f, 1.0f, 1.0f, 0.3f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glDisable(GL_TEXTURE_2D);
  glDeleteTextures(1, &pattern);
  glDeleteTextures(1, &green);
}

// Each misuse's error as one cell's colour: the layer must report what Mesa reports.
void errorsReported() {
  clearTo(0.0f, 0.0f, 0.0f);
  const GLuint list = glGenLists(1);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  const uint8_t pixel[4] = {};
  GLenum errors[12];
  int n = 0;
  glEnd();
  errors[n++] = glGetError();
  glMatrixMode(GL_COLOR_INDEX);
  errors[n++] = glGetError();
  glPopMatrix();
  errors[n++] = glGetError();
  glBegin(GL_QUADS);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnd();
  errors[n++] = glGetError();
  glTexImage2D(GL_TEXTURE_2D, 0, 5, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, pixel);
  errors[n++] = glGetError();
  glPixelStorei(GL_UNPACK_ALIGNMENT, 3);
  errors[n++] = glGetError();
  glPopAttrib();
  errors[n++] = glGetError();
  glEndList();
  errors[n++] = glGetError();
  glBegin(0x000F);
  errors[n++] = glGetError();
  glNewList(list, GL_COMPILE);
  glNewList(list, GL_COMPILE);
  glEndList();
  errors[n++] = glGetError();
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
  errors[n++] = glGetError();
  glEnable(GL_BLEND);
  glDisable(GL_BLEND);
  errors[n++] = glGetError();
  for (int i = 0; i < n; ++i) {
    const GLenum e = errors[i];
    glColor3f(e == GL_INVALID_ENUM ? 1.0f : 0.2f, e == GL_INVALID_VALUE ? 1.0f : 0.2f,
              e == GL_INVALID_OPERATION ? 1.0f : 0.2f);
    if (e == GL_STACK_UNDERFLOW) glColor3f(1.0f, 1.0f, 1.0f);
    if (e == GL_NO_ERROR) glColor3f(0.0f, 0.0f, 0.0f);
    cell(i % 4, i / 4, 4, 3);
    quad(-0.8f, -0.8f, 0.8f, 0.8f, 0.0f);
  }
  glColor3f(1.0f, 1.0f, 1.0f);
  glViewport(0, 0, kSide, kSide);
  glDeleteLists(list, 1);
  glDeleteTextures(1, &texture);
}

constexpr Case kCases[] = {
    {"defaults", defaults},
    {"current_colour_carries_over", currentColourCarriesOver},
    {"quad_strip", quadStrip},
    {"strip_fan_polygon_quads", fanStripPolygonQuads},
    {"flat_shading", flatShading},
    {"display_list_under_texture_matrix", displayListUnderTextureMatrix},
    {"look_at_and_perspective_multiply", lookAtAndPerspective},
    {"perspective_near_zero", perspectiveNearZero},
    {"fog_modes", fogModes},
    {"blend_functions", blendFunctions},
    {"depth_lequal", depthLequal},
    {"texture_format_3_rows_of_9", textureFormat3RowsOf9},
    {"texture_sent_in_bands", textureSentInBands},
    {"texture_repeat", textureRepeat},
    {"incomplete_textures", incompleteTextures},
    {"internal_formats", internalFormats},
    {"unpack_rectangle", unpackRectangle},
    {"attributes_push_pop", attributesPushPop},
    {"errors_reported", errorsReported},
};

}  // namespace

std::span<const Case> cases() { return kCases; }

void resetBetweenCases() {
  for (GLenum mode : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
    glMatrixMode(mode);
    glLoadIdentity();
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  glViewport(0, 0, kSide, kSide);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace glcases
