// Window-manager hints for the dialog and message boxes over Xlib: extended window-manager states,
// frame extents and Motif hints on FLTK's X window, and the display check. Not here: anything
// FLTK does on its own.
#include "platform/sdl/x11_window_hints.h"

#include "platform/sdl/x11_frame.h"

#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace platform::x11 {

namespace {

constexpr int kMapPolls = 100;  // a second at most
constexpr int kMapPollMicroseconds = 10000;

Atom atom(const char* name) { return XInternAtom(fl_display, name, False); }

bool viewable(::Window xid) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(fl_display, xid, &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

void sendWmState(::Window xid, const char* state) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = xid;
  event.xclient.message_type = atom("_NET_WM_STATE");
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;  // _NET_WM_STATE_ADD
  event.xclient.data.l[1] = static_cast<long>(atom(state));
  event.xclient.data.l[3] = 1;  // sent by an application
  XSendEvent(fl_display, DefaultRootWindow(fl_display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace

bool waitUntilMapped(Fl_Window* window) {
  const ::Window xid = fl_xid(window);
  if (xid == 0) return false;
  XSync(fl_display, False);
  for (int i = 0; i < kMapPolls && !viewable(xid); ++i) usleep(kMapPollMicroseconds);
  return viewable(xid);
}

// FLTK places the client area's corner where it is asked to; the frame goes around it.
void placeFrame(Fl_Window* window, int x, int y) {
  FrameExtents frame;
  waitForFrame(fl_display, fl_xid(window), &frame);
  window->position(x + frame.left, y + frame.top);
}

void keepAbove(Fl_Window* window) { sendWmState(fl_xid(window), "_NET_WM_STATE_ABOVE"); }

// Motif hints: move only, title and border. Window managers that honour them draw no close box;
// openbox, for one, keeps its close box whatever the hints say.
void removeCloseBox(Fl_Window* window) {
  const ::Window xid = fl_xid(window);
  constexpr long kFunctionsAndDecorations = 1 | 2;
  constexpr long kFunctionMove = 4;
  constexpr long kDecorBorderAndTitle = 2 | 8;
  const long hints[5] = {kFunctionsAndDecorations, kFunctionMove, kDecorBorderAndTitle, 0, 0};
  const Atom motif = atom("_MOTIF_WM_HINTS");
  XChangeProperty(fl_display, xid, motif, motif, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(hints), 5);
}

bool displayAvailable() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

std::string literalLabel(const char* text) {
  std::string label;
  for (const char* c = text; *c != '\0'; ++c) {
    label += *c;
    if (*c == '@') label += '@';
  }
  return label;
}

}  // namespace platform::x11
