// The shell under test: runDemo on the fake platform with logging fake scenes, a scripted setup
// dialog and no flying object; the run's exit status whether it returned or exited.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_window_platform.h"
#include "shell/display_settings.h"

using Calls = std::vector<std::string>;

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // runDemo's result, or the status of the exit it took.
  int run();
  // The calls from the first one equal to `from` on (empty when `from` never came).
  Calls callsFrom(const std::string& from) const;
  bool called(const std::string& call) const;

  testing_support::FakeWindowPlatform fake;
};

// What the scripted dialog does: its result, and the settings and cancel flag it leaves.
struct ScriptedDialog {
  int result = 1;
  DisplaySettings settings{800, 600, 16, 1};
  int cancelled = 0;
};
extern ScriptedDialog scriptedDialog;

extern const char* const kFullscreenWindow;  // the createWindow call for the default choice
extern const Calls kFullscreenShutdown;      // shutdown's calls after a fullscreen run
