#include "capture_start.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "console_platform.h"
#include "silent_sound.h"
#include "startup/long_lived_objects.h"

bool startCaptureDemo(const CaptureOptions& options, VirtualClock* clock) {
  installConsoleBoxes();
  installSilentSound();
  if (clock != nullptr) installVirtualClock(clock);
  // The demo reads its files by bare name from the folder it runs in.
  if (chdir(options.assets.c_str()) != 0) {
    std::fprintf(stderr, "tamsirel-capture: cannot enter %s: %s\n", options.assets.c_str(),
                 std::strerror(errno));
    return false;
  }
  createLongLivedObjects();
  return true;
}
