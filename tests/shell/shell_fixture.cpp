#include "shell_fixture.h"

#include <algorithm>

#include "shell/demo.h"

using testing_support::platformLog;

ScriptedDialog scriptedDialog;

const char* const kFullscreenWindow =
    "createWindow:pelorimo::brintal:800x600:fullscreen:800x600x16";
const Calls kFullscreenShutdown = {"restoreDisplay", "cursor:show", "releaseCurrent",
                                   "deleteContext",  "releaseDC",   "destroyWindow"};

namespace {

int runScriptedDialog() {
  platformLog().calls.push_back("dialog");
  displaySettings = scriptedDialog.settings;
  setupCancelled = scriptedDialog.cancelled;
  return scriptedDialog.result;
}

void noFlyingObject() {}

int fakeInit() {
  platformLog().calls.push_back("sceneInit");
  return 1;
}

void fakePrefetch() { platformLog().calls.push_back("scenePrefetch"); }

int fakeFrame() {
  platformLog().calls.push_back("sceneFrame");
  return 0;
}

const Scene kScenes[kSceneCount] = {
    {"one", fakeInit, fakeFrame, fakePrefetch},
    {"two", fakeInit, fakeFrame},
    {"three", fakeInit, fakeFrame},
    {"four", fakeInit, fakeFrame},
};

}  // namespace

void ShellTest::SetUp() {
  scriptedDialog = ScriptedDialog{};
  displaySettings = DisplaySettings{};
  setupCancelled = 0;
}

int ShellTest::run() {
  try {
    return runDemo({kScenes, runScriptedDialog, noFlyingObject});
  } catch (const testing_support::ProcessExit& exit) {
    return exit.status;
  }
}

Calls ShellTest::callsFrom(const std::string& from) const {
  const Calls& calls = platformLog().calls;
  return Calls(std::find(calls.begin(), calls.end(), from), calls.end());
}

bool ShellTest::called(const std::string& call) const {
  const Calls& calls = platformLog().calls;
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}
