// The ocean scene's motion values as plain functions of the scene time t (milliseconds): the fade
// of the sea and sky, their scroll offsets, the phrases' brightness and distance, the logo group.
// No GL here; the drawing that uses these values is in ocean_layers.h.
#pragma once

namespace ocean {

constexpr int kOceanDurationMs = 60000;

// The whole state of the scene, recomputed at the start of every frame.
struct OceanScene {
  float fade = 0.0f;         // brightness of the sea and sky layers, 0 to 1
  float scrollSpeed = 0.0f;  // factor of the accelerating scroll; kept while t <= 24000
  float seaScroll = 0.0f;    // added to the sea layers' v
  float skyScroll = 0.0f;    // subtracted from the sky layers' v
};

extern OceanScene oceanScene;

// Updates every value of `scene` for time t; scrollSpeed keeps its value until t passes 24000.
void animate(OceanScene& scene, int t);

// How a phrase that starts at `start` looks at time t: brightening from black over 3 s, then
// darkening over the next 3, receding from 4 to 6 units all the while.
struct PhraseLook {
  bool visible = false;
  float grey = 0.0f;
  float z = 0.0f;
};
PhraseLook phraseAt(int t, int start);

// The logo group (0 to 2) shown at time t, or -1 outside the logo's window.
int logoGroup(int t);

}  // namespace ocean
