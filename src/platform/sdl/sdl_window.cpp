// The window, its GL context, display modes and window messages over SDL2. SDL changes the
// display mode only through a fullscreen window, so the switch itself happens when that window is
// shown; it gives the mode back when restoreDisplayMode runs or the window goes. Not here:
// drawing (the scenes call GL directly) and the setup dialog (FLTK).
#include <SDL.h>

#include <deque>

#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/stop_signal.h"
#include "platform/sdl/x11_frame.h"
#include "platform/sdl/x11_screen.h"

namespace platform {

struct Window {
  SDL_Window* sdl = nullptr;
  WindowStyle style;
  bool modeSet = false;  // SDL took the fullscreen mode to switch to when shown
};

struct DeviceContext {
  Window* window = nullptr;
};

struct RenderContext {
  SDL_GLContext gl = nullptr;
};

}  // namespace platform

namespace platform::sdl {

namespace {

Window* fullscreenWindow = nullptr;
std::deque<WindowMessage> pendingMessages;  // SDL events that stand for two window messages

int bitsPerPixel(const SDL_DisplayMode& mode) {
  return static_cast<int>(SDL_BITSPERPIXEL(mode.format));
}

int depthDistance(const SDL_DisplayMode& mode, int wantedBits) {
  const int d = bitsPerPixel(mode) - wantedBits;
  return d < 0 ? -d : d;
}

// The primary display's mode at `wanted`'s resolution whose depth is nearest `wanted`'s: the
// exact depth where it is offered. False when no mode has that resolution.
bool nearestDepthMode(const DisplayMode& wanted, SDL_DisplayMode* found) {
  const int count = SDL_GetNumDisplayModes(0);
  bool any = false;
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) != 0 || mode.w != wanted.width || mode.h != wanted.height) {
      continue;
    }
    if (!any ||
        depthDistance(mode, wanted.bitsPerPixel) < depthDistance(*found, wanted.bitsPerPixel)) {
      *found = mode;
      any = true;
    }
  }
  return any;
}

// Red, green and blue bits for a colour depth: 5/6/5 for 16 bits, 8 each above. SDL takes these
// as minimums, so a display without a 16-bit visual gives its deeper one.
void setColourBits(int colorBits) {
  const bool sixteen = colorBits <= 16;
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, sixteen ? 5 : 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, sixteen ? 6 : 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, sixteen ? 5 : 8);
}

void setGlAttributes(const PixelFormat& format) {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  setColourBits(format.colorBits);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  // The scenes draw with the fixed-function pipeline: ask for a legacy (compatibility) context.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

// A windowed demo window has the chosen outer size: once the window manager has framed it, the
// frame and caption come out of the client area.
void fitOuterSize(Window* window) {
  x11::FrameExtents frame;
  if (!x11::waitForFrame(window->sdl, &frame)) return;
  const int w = window->style.width - frame.left - frame.right;
  const int h = window->style.height - frame.top - frame.bottom;
  if (w > 0 && h > 0) SDL_SetWindowSize(window->sdl, w, h);
}

// Whether the shown fullscreen window got its display mode. SDL switches as the window is shown
// and keeps the result to itself (and settles for its closest mode when the exact one fails), so
// the mode in force is what tells; only the resolution asked counts. A refusal puts the window
// and the display back as they were.
bool tookDisplayMode(Window* window) {
  SDL_DisplayMode current{};
  const int display = SDL_GetWindowDisplayIndex(window->sdl);
  const bool taken =
      window->modeSet && (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_FULLSCREEN) != 0 &&
      SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &current) == 0 &&
      current.w == window->style.mode.width && current.h == window->style.mode.height;
  if (!taken) {
    SDL_SetWindowFullscreen(window->sdl, 0);
    return false;
  }
  fullscreenWindow = window;
  return true;
}

WindowMessage sizeMessage(int w, int h) {
  WindowMessage m;
  m.kind = MessageKind::Size;
  m.width = w;
  m.height = h;
  return m;
}

WindowMessage activateMessage(int minimised) {
  WindowMessage m;
  m.kind = MessageKind::Activate;
  m.minimised = minimised;
  return m;
}

WindowMessage translateWindowEvent(const SDL_WindowEvent& e) {
  WindowMessage m;
  switch (e.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      return sizeMessage(e.data1, e.data2);
    case SDL_WINDOWEVENT_MINIMIZED:
      // A minimised window reports a size of 0 x 0 and an activation with the minimised flag.
      pendingMessages.push_back(activateMessage(1));
      return sizeMessage(0, 0);
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
      return activateMessage(0);
    case SDL_WINDOWEVENT_CLOSE:
      m.kind = MessageKind::Close;
      return m;
    default:
      return m;
  }
}

WindowMessage translate(const SDL_Event& event) {
  WindowMessage m;
  switch (event.type) {
    case SDL_QUIT:
      m.kind = MessageKind::Close;
      return m;
    case SDL_KEYDOWN:
      m.kind = MessageKind::KeyDown;
      m.key =
          event.key.keysym.sym == SDLK_ESCAPE ? kKeyEscape : static_cast<int>(event.key.keysym.sym);
      return m;
    case SDL_WINDOWEVENT:
      return translateWindowEvent(event.window);
    default:
      return m;
  }
}

}  // namespace

bool initWindowing() {
  // SDL keeps the screen saver and monitor power-saving off while the demo runs by default.
  stop_signal::keepSdlHandlersOff();
  return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken) {
  SDL_DisplayMode mode{};
  if (!nearestDepthMode(wanted, &mode)) return false;
  *taken = {mode.w, mode.h, bitsPerPixel(mode)};
  return true;
}

// Before the window, from X: starting SDL's video only to read the mode would keep the setup
// dialog waiting for it.
bool currentDisplayMode(DisplayMode* mode) {
  if (!SDL_WasInit(SDL_INIT_VIDEO))
    return x11::screenMode(&mode->width, &mode->height, &mode->bitsPerPixel);
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return false;
  mode->width = desktop.w;
  mode->height = desktop.h;
  mode->bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(desktop.format));
  return true;
}

void restoreDisplayMode() {
  if (fullscreenWindow == nullptr) return;
  SDL_SetWindowFullscreen(fullscreenWindow->sdl, 0);
  fullscreenWindow = nullptr;
}

void showCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

// A fullscreen window is made fullscreen from the start, with the display mode it takes when
// shown: switching a window that is already on screen makes SDL wait a tenth of a second for
// the window manager.
Window* createWindow(const char* title, const WindowStyle& style) {
  setGlAttributes(style.pixelFormat);
  const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN |
                       (style.fullscreen ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE);
  SDL_Window* sdlWindow = SDL_CreateWindow(title, 0, 0, style.width, style.height, flags);
  if (sdlWindow == nullptr) return nullptr;
  Window* window = new Window{sdlWindow, style};
  SDL_DisplayMode mode{};
  window->modeSet = style.fullscreen && nearestDepthMode(style.mode, &mode) &&
                    SDL_SetWindowDisplayMode(sdlWindow, &mode) == 0;
  return window;
}

bool showWindow(Window* window) {
  // From here on the display mode may be switched, and a stop from outside must give it back.
  stop_signal::watch();
  SDL_ShowWindow(window->sdl);
  bool shown = true;
  if (window->style.fullscreen) {
    shown = tookDisplayMode(window);
  } else {
    fitOuterSize(window);
  }
  SDL_RaiseWindow(window->sdl);
  return shown;
}

bool destroyWindow(Window* window) {
  if (window == nullptr) return false;
  if (fullscreenWindow == window) fullscreenWindow = nullptr;
  SDL_DestroyWindow(window->sdl);
  delete window;
  return true;
}

DeviceContext* getDeviceContext(Window* window) {
  if (window == nullptr) return nullptr;
  return new DeviceContext{window};
}

int choosePixelFormat(DeviceContext* dc, const PixelFormat& format) {
  // The format was requested when the window was made; a window without GL support fits nothing.
  if (dc == nullptr || format.colorBits > 32) return 0;
  return (SDL_GetWindowFlags(dc->window->sdl) & SDL_WINDOW_OPENGL) != 0 ? 1 : 0;
}

bool setPixelFormat(DeviceContext* dc, int format) { return dc != nullptr && format > 0; }

RenderContext* createContext(DeviceContext* dc) {
  if (dc == nullptr) return nullptr;
  SDL_GLContext gl = SDL_GL_CreateContext(dc->window->sdl);
  if (gl == nullptr) return nullptr;
  return new RenderContext{gl};
}

bool makeCurrent(DeviceContext* dc, RenderContext* rc) {
  SDL_Window* w = dc != nullptr ? dc->window->sdl : nullptr;
  return SDL_GL_MakeCurrent(w, rc != nullptr ? rc->gl : nullptr) == 0;
}

bool deleteContext(RenderContext* rc) {
  if (rc == nullptr) return false;
  SDL_GL_DeleteContext(rc->gl);
  delete rc;
  return true;
}

bool releaseDeviceContext(Window* window, DeviceContext* dc) {
  if (dc == nullptr || dc->window != window) return false;
  delete dc;
  return true;
}

void swapBuffers(DeviceContext* dc) {
  if (dc != nullptr) SDL_GL_SwapWindow(dc->window->sdl);
}

// SDL asks the GL driver (GLX's or EGL's swap control) for the context current on this thread.
bool setSwapInterval(int interval) { return SDL_GL_SetSwapInterval(interval) == 0; }

bool peekMessage(WindowMessage* message) {
  stop_signal::endIfStopped();
  if (!pendingMessages.empty()) {
    *message = pendingMessages.front();
    pendingMessages.pop_front();
    return true;
  }
  SDL_Event event;
  if (SDL_PollEvent(&event) == 0) return false;
  *message = translate(event);
  return true;
}

}  // namespace platform::sdl
