// The shell's failure boxes: no owner, caption "ERROR", OK, with the icon the failure calls for.
#pragma once

#include "platform/platform.h"

void shellErrorBox(const char* text, platform::BoxIcon icon = platform::BoxIcon::Exclamation);
