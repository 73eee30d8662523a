#include "scenes/final/final_camera.h"

#include <GL/gl.h>

namespace finalscene {

void applyCamera(const Camera& camera, Roll roll) {
  glTranslatef(camera.shiftX, camera.shiftY, 0.0f);
  glRotatef(camera.pitch, 1.0f, 0.0f, 0.0f);
  glRotatef(camera.yaw, 0.0f, 1.0f, 0.0f);
  if (roll == Roll::Included) glRotatef(camera.roll, 0.0f, 0.0f, 1.0f);
}

}  // namespace finalscene
