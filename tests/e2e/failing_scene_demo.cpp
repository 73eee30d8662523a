// The real shell with a second scene whose initialisation fails, chosen 800 x 600 fullscreen
// without the dialog: the e2e test watches a fatal error end a fullscreen run.
#include "core/demo_clock.h"
#include "shell/demo.h"
#include "shell/display_settings.h"

namespace {

int succeed() { return 1; }
int failInit() { return 0; }

int endAtOnce() {
  demoClock->endFrame();
  return 1;
}

int goOn() {
  demoClock->endFrame();
  return 0;
}

const Scene kScenes[kSceneCount] = {
    {"first", succeed, endAtOnce},
    {"failing", failInit, goOn},
    {"unused", succeed, goOn},
    {"unused", succeed, goOn},
};

int chooseFullscreen() {
  displaySettings = {800, 600, 16, 1};
  return 1;
}

void nothing() {}

}  // namespace

int main() { return runDemo({kScenes, chooseFullscreen, nothing}); }
