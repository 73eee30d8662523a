// The display calls of the fullscreen switch and its restore, behind one table: the system's
// calls by default, a scripted display in the tests. Wine takes any depth at a resolution its
// display has, so only a scripted display can refuse a mode the way today's Windows does.
#pragma once

#include <windows.h>

namespace platform::win32 {

struct DisplayCalls {
  // ChangeDisplaySettingsA: `mode` null puts the stored desktop mode back.
  LONG (*changeSettings)(DEVMODEA* mode, DWORD flags);
  // EnumDisplaySettingsA on the primary display: the listed mode `index`, or with
  // ENUM_CURRENT_SETTINGS the one in force.
  BOOL (*enumSettings)(DWORD index, DEVMODEA* mode);
};

// The table in force; a test replaces its entries and puts them back.
DisplayCalls& displayCalls();

}  // namespace platform::win32
