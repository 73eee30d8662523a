// The window, its GL context, display modes and window messages over SDL2. A fullscreen window
// takes its display mode when shown and gives it back when restoreDisplayMode runs or the window
// goes. Not here: drawing (the scenes call GL directly) and the setup dialog (FLTK).
#include <SDL.h>

#include <deque>

#include "platform/implementations.h"

namespace platform {

struct Window {
  SDL_Window* sdl = nullptr;
  WindowStyle style;
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

bool sameResolution(const SDL_DisplayMode& mode, const DisplayMode& wanted) {
  return mode.w == wanted.width && mode.h == wanted.height;
}

int depthDistance(const SDL_DisplayMode& mode, int bitsPerPixel) {
  const int d = static_cast<int>(SDL_BITSPERPIXEL(mode.format)) - bitsPerPixel;
  return d < 0 ? -d : d;
}

void setGlAttributes() {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  // The scenes draw with the fixed-function pipeline: ask for a legacy (compatibility) context.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

// A windowed demo window has the chosen outer size; the frame and caption come out of it.
void fitOuterSize(Window* window) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(window->sdl, &top, &left, &bottom, &right) != 0) return;
  const int w = window->style.width - left - right;
  const int h = window->style.height - top - bottom;
  if (w > 0 && h > 0) SDL_SetWindowSize(window->sdl, w, h);
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
      m.key = event.key.keysym.sym == SDLK_ESCAPE ? kKeyEscape : static_cast<int>(event.key.keysym.sym);
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
  return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

bool findDisplayMode(const DisplayMode& wanted, DisplayMode* chosen) {
  const int count = SDL_GetNumDisplayModes(0);
  int best = -1;
  SDL_DisplayMode bestMode{};
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(0, i, &mode) != 0 || !sameResolution(mode, wanted)) continue;
    if (best < 0 || depthDistance(mode, wanted.bitsPerPixel) < depthDistance(bestMode, wanted.bitsPerPixel)) {
      best = i;
      bestMode = mode;
    }
  }
  if (best < 0) return false;
  chosen->width = bestMode.w;
  chosen->height = bestMode.h;
  chosen->bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(bestMode.format));
  return true;
}

bool currentDisplayMode(DisplayMode* mode) {
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
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

Window* createWindow(const char* title, const WindowStyle& style) {
  setGlAttributes();
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  flags |= style.fullscreen ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE;
  SDL_Window* sdlWindow = SDL_CreateWindow(title, 0, 0, style.width, style.height, flags);
  if (sdlWindow == nullptr) return nullptr;
  Window* window = new Window{sdlWindow, style};
  if (style.fullscreen) {
    SDL_DisplayMode mode{};
    SDL_DisplayMode wanted{};
    wanted.w = style.mode.width;
    wanted.h = style.mode.height;
    if (SDL_GetClosestDisplayMode(0, &wanted, &mode) != nullptr) SDL_SetWindowDisplayMode(sdlWindow, &mode);
    fullscreenWindow = window;
  }
  return window;
}

void showWindow(Window* window) {
  SDL_ShowWindow(window->sdl);
  if (!window->style.fullscreen) fitOuterSize(window);
  SDL_RaiseWindow(window->sdl);
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

bool peekMessage(WindowMessage* message) {
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
