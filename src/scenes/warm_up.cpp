// The stand-ins are made once, opaque grey, with repeat wrapping like every slot texture.
#include "scenes/warm_up.h"

#include <GL/gl.h>

#include <initializer_list>

namespace {

bool active = false;
std::span<const TextureFile> standInFiles;

GLuint makeStandIn(GLint filter) {
  const GLubyte grey[3] = {128, 128, 128};
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, grey);
  return name;
}

}  // namespace

WarmUp::WarmUp(void (*setUpState)(), std::span<const TextureFile> slotFiles) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
  for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
    glMatrixMode(mode);
    glPushMatrix();
  }
  setUpState();
  // The scene draws with the model-view matrix selected, as its frames do: a texture matrix
  // loaded by mistake would build another vertex program than the frames use.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glViewport(0, 0, 1, 1);
  standInFiles = slotFiles;
  active = true;
}

WarmUp::~WarmUp() {
  active = false;
  standInFiles = {};
  for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
    glMatrixMode(mode);
    glPopMatrix();
  }
  glPopClientAttrib();
  glPopAttrib();  // the matrix mode, the viewport, the binding, the colour and every switch
}

bool warmingUp() { return active; }

unsigned slotStandIn(int slot) {
  const bool listed = slot >= 0 && static_cast<size_t>(slot) < standInFiles.size();
  return standInTexture(listed ? standInFiles[static_cast<size_t>(slot)].filter : GL_LINEAR);
}

unsigned standInTexture(int filter) {
  static const GLuint nearest = makeStandIn(GL_NEAREST);
  static const GLuint linear = makeStandIn(GL_LINEAR);
  return filter == GL_NEAREST ? nearest : linear;
}
