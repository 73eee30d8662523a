// The pyramid camera's motion, single precision. The zoom turns back towards the inside of its
// range whenever it is outside, so a long frame that carries it far past a bound cannot leave it
// flipping direction every frame just outside.
#include "scenes/pyramid/pyramid_motion.h"

#include <cmath>

namespace pyramid {

namespace {

// Closer than this to the vertical axis, the look-at's side vector is too short to normalise in
// single precision.
constexpr float kAxisTolerance = 1e-6f;

}  // namespace

void animate(PyramidScene& scene, int dt) {
  const float step = static_cast<float>(dt);
  scene.orbitAngle += step * 0.0005f;
  scene.zoom += step * scene.zoomRate * 0.001f;
  if (scene.zoom > kZoomHigh) scene.zoomRate = -std::fabs(scene.zoomRate);
  if (scene.zoom < kZoomLow) scene.zoomRate = std::fabs(scene.zoomRate);
}

Eye eyePosition(const PyramidScene& scene) {
  Eye eye;
  eye.x = 4.0f * std::sin(scene.orbitAngle);
  eye.z = 4.0f * std::cos(scene.orbitAngle) + scene.zoom;
  const float distance = std::sqrt(eye.x * eye.x + eye.z * eye.z);
  eye.y = distance > 1.0f ? distance : 1.0f;
  return eye;
}

Eye viewEye(PyramidScene& scene) {
  const Eye eye = eyePosition(scene);
  if (std::hypot(eye.x, eye.z) < kAxisTolerance) return scene.lastValidEye;
  scene.lastValidEye = eye;
  return eye;
}

}  // namespace pyramid
