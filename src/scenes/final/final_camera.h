// The final scene's camera for one frame, made by the motion code and applied by both the tube's
// and the flare's drawing: a small sideways shift that follows the pitch and the yaw, then the
// pitch about x, the yaw about y and the roll about z, all in degrees.
#pragma once

namespace finalscene {

struct Camera {
  float shiftX = 0.0f;
  float shiftY = 0.0f;
  float pitch = 0.0f;
  float yaw = 0.0f;
  float roll = 0.0f;
};

enum class Roll { Included, Left };

// Multiplies the current matrix by the camera's transform; the flare's wings leave out the roll.
void applyCamera(const Camera& camera, Roll roll = Roll::Included);

}  // namespace finalscene
