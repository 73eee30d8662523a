// The demo's window: the class "brintal" with the program's icon, the window in its windowed or
// fullscreen styles, and the window procedure, which turns the messages the demo handles into
// WindowMessages and queues them, so messages sent while the window is created or shown reach
// the demo too. peekMessage pumps the thread's queue without ever waiting. Not here: the GL
// context (gl_context.cpp).
#include <windows.h>

#include <deque>

#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

constexpr const char* kClassName = "brintal";
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kWindowedExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
constexpr DWORD kFullscreenStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kFullscreenExStyle = WS_EX_APPWINDOW;

std::deque<WindowMessage> queued;

void queue(MessageKind kind, int width = 0, int height = 0, int minimised = 0, int key = 0) {
  WindowMessage m;
  m.kind = kind;
  m.width = width;
  m.height = height;
  m.minimised = minimised;
  m.key = key;
  queued.push_back(m);
}

// The screen saver and monitor power-off would blank the demo; every other system command (move,
// minimise, Alt+F4's close) gets the default handling. The command is compared whole.
bool swallowedCommand(WPARAM command) {
  return command == SC_SCREENSAVE || command == SC_MONITORPOWER;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
    case WM_DESTROY:
      return 0;
    case WM_SIZE:
      queue(MessageKind::Size, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ACTIVATE:
      queue(MessageKind::Activate, 0, 0, HIWORD(wParam) != 0 ? 1 : 0);
      return 0;
    case WM_CLOSE:
      // Not destroyed here: the demo's shutdown releases the window after the loop.
      queue(MessageKind::Close);
      return 0;
    case WM_KEYDOWN:
      queue(MessageKind::KeyDown, 0, 0, 0, static_cast<int>(wParam));
      return 0;
    case WM_SYSCOMMAND:
      if (swallowedCommand(wParam)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The program's icon at the size the system draws it: the large one for Alt+Tab, the small one
// for the window's corner and the taskbar. The system scales neither; the icon file holds both
// sizes. Null (the system's default icon) in a program built without the resources.
HICON programIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(TAMSIREL_ICON), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

}  // namespace

bool initWindowing() {
  static const bool registered = [] {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = programIcon(instance, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = programIcon(instance, SM_CXSMICON, SM_CYSMICON);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  return registered;
}

// At (0, 0) with the asked size as its outer size: in a window the frame and caption come out of
// the drawing area.
Window* createWindow(const char* title, const WindowStyle& style) {
  const DWORD windowStyle = style.fullscreen ? kFullscreenStyle : kWindowedStyle;
  const DWORD exStyle = style.fullscreen ? kFullscreenExStyle : kWindowedExStyle;
  HWND window = CreateWindowExA(exStyle, kClassName, title, windowStyle, 0, 0, style.width,
                                style.height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return reinterpret_cast<Window*>(window);
}

bool showWindow(Window* window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  return true;
}

bool destroyWindow(Window* window) {
  return window != nullptr && DestroyWindow(reinterpret_cast<HWND>(window)) != 0;
}

// One thread message per call: what the window procedure queued for it is handed out one at a
// time, anything else counts as a message of no interest to the demo.
bool peekMessage(WindowMessage* message) {
  if (queued.empty()) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (queued.empty()) {
    *message = WindowMessage{};
    return true;
  }
  *message = queued.front();
  queued.pop_front();
  return true;
}

}  // namespace platform::win32
