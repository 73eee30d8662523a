// The entry point: the demo's own scenes, the setup dialog and the final scene's flying object
// plugged into the shell's start-up.
#include "scenes/scene_table.h"
#include "shell/demo.h"
#include "shell/setup_step.h"
#include "startup/long_lived_objects.h"

int main() { return runDemo({kDemoScenes, runSetupStep, createWingedFlare}); }
