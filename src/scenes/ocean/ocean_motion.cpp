// The ocean scene's motion values: fade, accelerating scroll, phrase windows and the logo
// flicker, all in single precision as the picture was tuned with.
#include "scenes/ocean/ocean_motion.h"

namespace ocean {

namespace {

float fadeAt(int t) {
  if (t < 4000) return 0.0f;
  if (t < 16000) return static_cast<float>(t - 4000) * 0.00008333333f;
  return 1.0f;
}

}  // namespace

void animate(OceanScene& scene, int t) {
  scene.fade = fadeAt(t);
  if (t > 24000) scene.scrollSpeed = static_cast<float>(t - 24000) * 0.00006666667f;
  const float p = static_cast<float>(t) * scene.scrollSpeed;
  scene.seaScroll = p * 0.0001f;
  scene.skyScroll = p * 0.000033333334f;
}

PhraseLook phraseAt(int t, int start) {
  constexpr float k = 0.00033333333f;
  const int d = t - start;
  const float z = -4.0f - static_cast<float>(d) * k;
  if (d > 0 && d < 3000) return {true, static_cast<float>(d) * k, z};
  if (d > 3000 && d < 6000) return {true, 1.0f - static_cast<float>(d - 3000) * k, z};
  return {};
}

int logoGroup(int t) {
  if (t <= 27000 || t >= 38000) return -1;
  return (t / 150) % 3;
}

}  // namespace ocean
