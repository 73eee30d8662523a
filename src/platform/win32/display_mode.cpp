// Display modes through ChangeDisplaySettingsA: the fullscreen switch asks for the resolution at
// the wanted depth for this run only (CDS_FULLSCREEN), and the restore gives the stored desktop
// mode back once, however many times it is called (at shutdown and again at exit). The cursor.
// Not here: the question when the display refuses (the shell's).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "platform/win32/display_calls.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

bool displaySwitched = false;

LONG systemChangeSettings(DEVMODEA* mode, DWORD flags) {
  return ChangeDisplaySettingsA(mode, flags);
}

BOOL systemEnumSettings(DWORD index, DEVMODEA* mode) {
  return EnumDisplaySettingsA(nullptr, index, mode);
}

DEVMODEA emptyMode() {
  DEVMODEA mode{};
  mode.dmSize = sizeof(mode);
  return mode;
}

bool takeMode(const DisplayMode& wanted, DisplayMode* taken) {
  DEVMODEA mode = emptyMode();
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmBitsPerPel = static_cast<DWORD>(wanted.bitsPerPixel);
  mode.dmPelsWidth = static_cast<DWORD>(wanted.width);
  mode.dmPelsHeight = static_cast<DWORD>(wanted.height);
  if (displayCalls().changeSettings(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return false;
  displaySwitched = true;
  *taken = wanted;
  return true;
}

// The other depths the display lists at the wanted resolution, in the order they are tried: the
// desktop's first (the one the display is surely set up for), then the nearest to the wanted
// depth, the deeper of two as near.
std::vector<int> otherDepths(const DisplayMode& wanted) {
  std::vector<int> depths;
  DEVMODEA mode = emptyMode();
  for (DWORD index = 0; displayCalls().enumSettings(index, &mode); ++index) {
    const int bits = static_cast<int>(mode.dmBitsPerPel);
    if (static_cast<int>(mode.dmPelsWidth) == wanted.width &&
        static_cast<int>(mode.dmPelsHeight) == wanted.height && bits != wanted.bitsPerPixel &&
        std::find(depths.begin(), depths.end(), bits) == depths.end()) {
      depths.push_back(bits);
    }
  }
  DisplayMode desktop;
  const int desktopBits = currentDisplayMode(&desktop) ? desktop.bitsPerPixel : 0;
  const auto order = [&](int bits) {
    return std::make_tuple(bits != desktopBits, std::abs(bits - wanted.bitsPerPixel), -bits);
  };
  std::sort(depths.begin(), depths.end(), [&](int a, int b) { return order(a) < order(b); });
  return depths;
}

}  // namespace

DisplayCalls& displayCalls() {
  static DisplayCalls calls{systemChangeSettings, systemEnumSettings};
  return calls;
}

// The wanted depth first. Windows 8 and later refuse any depth under 32 bits to a program that
// declares them (as this one's manifest does), and Windows 11 a mode its display does not list;
// so after a refusal the resolution is asked again at each depth the display lists for it.
bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken) {
  if (takeMode(wanted, taken)) return true;
  for (const int bits : otherDepths(wanted)) {
    if (takeMode({wanted.width, wanted.height, bits}, taken)) return true;
  }
  return false;
}

bool currentDisplayMode(DisplayMode* mode) {
  DEVMODEA current = emptyMode();
  if (!displayCalls().enumSettings(ENUM_CURRENT_SETTINGS, &current)) return false;
  mode->width = static_cast<int>(current.dmPelsWidth);
  mode->height = static_cast<int>(current.dmPelsHeight);
  mode->bitsPerPixel = static_cast<int>(current.dmBitsPerPel);
  return true;
}

void restoreDisplayMode() {
  if (!displaySwitched) return;
  displaySwitched = false;
  displayCalls().changeSettings(nullptr, 0);
}

void showCursor(bool visible) { ShowCursor(visible ? TRUE : FALSE); }

}  // namespace platform::win32
