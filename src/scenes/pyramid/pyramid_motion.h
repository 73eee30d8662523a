// The pyramid scene's state and its motion: the camera's orbit around the vertical axis, the
// back-and-forth zoom of the orbit's centre along z, and the eye they give. No GL here; the
// drawing is in pyramid_drawing.h.
#pragma once

#include <cstdint>

namespace pyramid {

constexpr int kPyramidDurationMs = 40000;
constexpr float kZoomLow = 1.1f;
constexpr float kZoomHigh = 8.0f;

struct Eye {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// Empty at start-up; init fills it.
struct PyramidScene {
  float orbitAngle = 0.0f;  // radians around the vertical axis
  float zoom = 0.0f;        // offset of the orbit's centre along +z
  float zoomRate = 0.0f;    // units per second; turns back at the bounds
  float pyramidHalfWidth = 0.0f;
  float pyramidHalfDepth = 0.0f;
  float apexHeight = 0.0f;
  float groundHalfWidth = 0.0f;
  float groundHalfDepth = 0.0f;
  float skyHeight = 0.0f;
  uint32_t pyramidTexture = 0;
  uint32_t groundTexture = 0;
  uint32_t skyTexture = 0;
  uint32_t pyramidList = 0;
  Eye lastValidEye;  // the view kept for a frame whose eye falls on the vertical axis
};

extern PyramidScene pyramidScene;

// Advances the orbit and the zoom by dt milliseconds.
void animate(PyramidScene& scene, int dt);

// The eye circling the origin at 4 units around (0, 0, zoom), as high as it is far from the
// vertical axis (so it looks down at 45 degrees) but never below 1.
Eye eyePosition(const PyramidScene& scene);

// The eye to look from this frame: eyePosition, unless that lies on the vertical axis, where
// looking at the origin with y up has no defined orientation; then the last valid eye again.
Eye viewEye(PyramidScene& scene);

}  // namespace pyramid
