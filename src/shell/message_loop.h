// The never-waiting loop: one window message per pass when one is waiting, otherwise one
// sequencer step. Returns the exit code of the quit that ended it.
#pragma once

#include "platform/platform.h"

int runMessageLoop(platform::Window* window);
