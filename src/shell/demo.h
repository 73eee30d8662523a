// The program's body: the fifteen start-up steps, the message loop and shutdown, through the
// platform table only. Returns the exit status: 0 after a quit or a cancel, 1 after a failure.
#pragma once

#include "core/scene.h"

// What the entry point plugs in; tests give fake scenes, a scripted dialog and no flying object.
struct DemoParts {
  const Scene* scenes = nullptr;           // kSceneCount scenes in playing order
  int (*runSetup)() = nullptr;             // the setup dialog step
  void (*createFlyingObject)() = nullptr;  // the final scene's winged flare
};

int runDemo(const DemoParts& parts);
