// Reads a running Windows program's top-level window from outside, under the same Wine prefix:
// what X cannot see (child controls, Win32 window rectangles, a message box's text). One line a
// fact on standard output; exit status 1 when no window has the title.
//
//   window_probe controls TITLE   one line per child: id, class, style (hex), check state,
//                                 text, and its screen rectangle (left top width height)
//   window_probe rect TITLE       the outer rectangle: left top width height
//   window_probe text TITLE       the texts of the static children (a message box's message)
//   window_probe foreground TITLE exit status 0 when that window is Wine's foreground window,
//                                 the one keys go to
//   window_probe dpi TITLE        the window's DPI awareness, which its program's manifest
//                                 sets: unaware, system, per-monitor or per-monitor-v2
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

void printControl(HWND child) {
  char className[64] = "", text[256] = "";
  GetClassNameA(child, className, sizeof(className));
  GetWindowTextA(child, text, sizeof(text));
  const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  RECT r{};
  GetWindowRect(child, &r);
  const LRESULT checked = SendMessageA(child, BM_GETCHECK, 0, 0);
  std::printf("%d|%s|%08lx|%d|%s|%ld %ld %ld %ld\n",
              static_cast<int>(static_cast<short>(GetDlgCtrlID(child))), className,
              static_cast<unsigned long>(style), static_cast<int>(checked), text, r.left, r.top,
              r.right - r.left, r.bottom - r.top);
}

BOOL CALLBACK listChild(HWND child, LPARAM mode) {
  if (mode == 0) {
    printControl(child);
    return TRUE;
  }
  char className[64] = "", text[512] = "";
  GetClassNameA(child, className, sizeof(className));
  if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof(text)) > 0) {
    std::printf("%s\n", text);
  }
  return TRUE;
}

const char* dpiAwareness(HWND window) {
  const DPI_AWARENESS_CONTEXT context = GetWindowDpiAwarenessContext(window);
  if (AreDpiAwarenessContextsEqual(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
    return "per-monitor-v2";
  }
  switch (GetAwarenessFromDpiAwarenessContext(context)) {
    case DPI_AWARENESS_UNAWARE:
      return "unaware";
    case DPI_AWARENESS_SYSTEM_AWARE:
      return "system";
    case DPI_AWARENESS_PER_MONITOR_AWARE:
      return "per-monitor";
    default:
      return "invalid";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_probe controls|rect|text|foreground|dpi TITLE\n");
    return 2;
  }
  HWND window = FindWindowA(nullptr, argv[2]);
  if (window == nullptr) return 1;
  if (std::strcmp(argv[1], "foreground") == 0) return GetForegroundWindow() == window ? 0 : 1;
  if (std::strcmp(argv[1], "dpi") == 0) {
    std::printf("%s\n", dpiAwareness(window));
    return 0;
  }
  if (std::strcmp(argv[1], "rect") == 0) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  EnumChildWindows(window, listChild, std::strcmp(argv[1], "text") == 0 ? 1 : 0);
  return 0;
}
