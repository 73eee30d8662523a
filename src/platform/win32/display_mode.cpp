// Display modes through ChangeDisplaySettingsA: the fullscreen switch asks for the resolution at
// the wanted depth for this run only (CDS_FULLSCREEN), and the restore gives the stored desktop
// mode back once, however many times it is called (at shutdown and again at exit). The cursor.
#include <windows.h>

#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

bool displaySwitched = false;

}  // namespace

bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken) {
  DEVMODEA mode{};
  mode.dmSize = sizeof(mode);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmBitsPerPel = static_cast<DWORD>(wanted.bitsPerPixel);
  mode.dmPelsWidth = static_cast<DWORD>(wanted.width);
  mode.dmPelsHeight = static_cast<DWORD>(wanted.height);
  if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return false;
  displaySwitched = true;
  *taken = wanted;
  return true;
}

bool currentDisplayMode(DisplayMode* mode) {
  DEVMODEA current{};
  current.dmSize = sizeof(current);
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &current)) return false;
  mode->width = static_cast<int>(current.dmPelsWidth);
  mode->height = static_cast<int>(current.dmPelsHeight);
  mode->bitsPerPixel = static_cast<int>(current.dmBitsPerPel);
  return true;
}

void restoreDisplayMode() {
  if (!displaySwitched) return;
  displaySwitched = false;
  ChangeDisplaySettingsA(nullptr, 0);
}

void showCursor(bool visible) { ShowCursor(visible ? TRUE : FALSE); }

}  // namespace platform::win32
