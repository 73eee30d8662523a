// A fake window, GL context, display and sound layer on top of the recording platform: every
// call the shell makes is logged in order in platformLog().calls ("createWindow:...",
// "releaseDC", ...), any step can be made to fail, and window messages come from a script.
// Not here: drawing; the fake contexts are opaque handles that nothing may dereference.
#pragma once

#include <deque>
#include <optional>
#include <set>

#include "recording_platform.h"

namespace testing_support {

enum class FakeStep {
  InitWindowing,
  SwitchDisplayMode,
  CreateWindow,
  ShowWindow,  // a fullscreen window that could not take its display mode when shown
  GetDeviceContext,
  ChoosePixelFormat,
  SetPixelFormat,
  CreateContext,
  MakeCurrent,     // activating a context
  SwapInterval,    // the driver offers no vertical sync
  ReleaseCurrent,  // makeCurrent(nullptr, nullptr)
  DeleteContext,
  ReleaseDeviceContext,
  DestroyWindow,
  SoundInit,
  OpenStream,  // streamOpenMpeg, streamOpenWav and musicLoadSong
  Play,        // streamPlay and musicPlaySong
};

// One scripted answer of peekMessage: a message, or nullopt for "nothing waiting" (an idle pass).
using ScriptedMessage = std::optional<platform::WindowMessage>;

platform::WindowMessage keyMessage(int key);
platform::WindowMessage closeMessage();
platform::WindowMessage sizeMessage(int width, int height);
platform::WindowMessage activateMessage(int minimised);

// Installs the recording platform plus the fake entries for as long as it lives. When the script
// runs out, peekMessage logs "peek:exhausted" and answers a close, so a test cannot hang.
class FakeWindowPlatform {
 public:
  FakeWindowPlatform();
  ~FakeWindowPlatform();
  FakeWindowPlatform(const FakeWindowPlatform&) = delete;
  FakeWindowPlatform& operator=(const FakeWindowPlatform&) = delete;

  // `step` fails from now on; a failing sound step reports `soundError`.
  void fail(FakeStep step, int soundError = 0) {
    failing.insert(step);
    if (soundError != 0) failingSoundError = soundError;
  }
  bool fails(FakeStep step) const { return failing.count(step) != 0; }

  std::set<FakeStep> failing;
  int failingSoundError = platform::kSoundInitError;
  int soundError = platform::kSoundNoError;
  std::deque<ScriptedMessage> messages;

 private:
  ScopedPlatform recording_;
};

}  // namespace testing_support
