// Frame extents of an SDL window, read with Xlib from the window manager's _NET_FRAME_EXTENTS.
#include "platform/sdl/x11_frame.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <algorithm>

namespace platform::x11 {

namespace {

constexpr int kFramePolls = 200;  // a second at most
constexpr int kFramePollMicroseconds = 5000;

// The four CARDINALs of `property` on `xid` (left, right, top, bottom), if it is set.
bool readFour(Display* display, ::Window xid, Atom property, long values[4]) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, xid, property, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) != Success) {
    return false;
  }
  const bool found = data != nullptr && format == 32 && count == 4;
  if (found) std::copy_n(reinterpret_cast<long*>(data), 4, values);
  if (data != nullptr) XFree(data);
  return found;
}

// Whether the running window manager says it publishes frame extents.
bool publishesFrames(Display* display) {
  const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
  const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
  if (supported == 0 || extents == 0) return false;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM,
                         &type, &format, &count, &after, &data) != Success) {
    return false;
  }
  bool found = false;
  const Atom* atoms = reinterpret_cast<const Atom*>(data);
  for (unsigned long i = 0; data != nullptr && format == 32 && i < count && !found; ++i) {
    found = atoms[i] == extents;
  }
  if (data != nullptr) XFree(data);
  return found;
}

}  // namespace

bool waitForFrame(Display* display, unsigned long xid, FrameExtents* frame) {
  if (!publishesFrames(display)) return false;
  const Atom property = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
  long values[4] = {0, 0, 0, 0};
  for (int i = 0; i < kFramePolls; ++i) {
    XSync(display, False);
    if (readFour(display, xid, property, values)) {
      *frame = {static_cast<int>(values[0]), static_cast<int>(values[1]),
                static_cast<int>(values[2]), static_cast<int>(values[3])};
      return true;
    }
    usleep(kFramePollMicroseconds);
  }
  return false;
}

bool waitForFrame(SDL_Window* window, FrameExtents* frame) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  return waitForFrame(info.info.x11.display, info.info.x11.window, frame);
}

}  // namespace platform::x11
