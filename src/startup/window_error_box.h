// The failure boxes of the window's set-up: no owner, caption "ERROR", OK, with the icon the
// failure calls for. Not here: the boxes of shutdown and fatalError, which have their own.
#pragma once

#include "platform/platform.h"

void windowErrorBox(const char* text, platform::BoxIcon icon = platform::BoxIcon::Exclamation);
