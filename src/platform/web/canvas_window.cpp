// The demo's window as a canvas in the page: windowed, a canvas of exactly the chosen size in the
// middle of the page; fullscreen, the page's Fullscreen API with the drawing buffer kept at the
// chosen resolution and scaled to the screen with its shape kept (black bars), as a mode switch
// on a wide display looks. The keys, the fullscreen being left and the page being hidden reach
// the program as window messages through a queue in the page. Not here: the GL context.
#include <emscripten.h>

#include "platform/web/page_protocol.h"
#include "platform/web/web_backend.h"

namespace platform {

struct Window {
  int width = 0;
  int height = 0;
};

}  // namespace platform

namespace platform::web {

namespace {

using namespace protocol;

EM_JS(void, pageStartPlayback, (), { tamsirelPage.startPlayback(); });
EM_JS(int, pageViewportWidth, (), { return tamsirelPage.demoWindow.viewportWidth(); });
EM_JS(int, pageViewportHeight, (), { return tamsirelPage.demoWindow.viewportHeight(); });
EM_JS(int, pageColourDepth, (), { return screen.colorDepth || 24; });
EM_ASYNC_JS(int, pageEnterFullscreen, (), {
  return (await tamsirelPage.demoWindow.enterFullscreen()) ? 1 : 0;
});
EM_JS(void, pageLeaveFullscreen, (), { tamsirelPage.demoWindow.leaveFullscreen(); });
EM_JS(void, pageShowCursor, (int visible), { tamsirelPage.demoWindow.showCursor(visible != 0); });
EM_JS(void, pageCreateCanvas, (const char* title, int width, int height, int fullscreen), {
  tamsirelPage.demoWindow.create(UTF8ToString(title), width, height, fullscreen != 0);
});
EM_JS(void, pageShowCanvas, (), { tamsirelPage.demoWindow.show(); });
EM_JS(void, pageRemoveCanvas, (), { tamsirelPage.demoWindow.remove(); });
EM_JS(int, pageNextMessage, (), { return tamsirelPage.demoWindow.nextMessage(); });
EM_JS(void, pagePostSize, (int width, int height), {
  tamsirelPage.demoWindow.postSize(width, height);
});

Window* theWindow = nullptr;

}  // namespace

// Nothing to register in a page: the window class's place in the start-up, right after the
// dialog's "Let's GO!", is where the page starts its playback (its handlers, the end control,
// the wake lock), which the demo's end stops.
bool initWindowing() {
  if (pageAvailable()) pageStartPlayback();
  return true;
}

// The browser has one mode to offer at any size: its own, reached through the Fullscreen API,
// which it grants only while the viewer's "Let's GO!" press still counts as a gesture.
bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken) {
  if (!pageAvailable() || pageEnterFullscreen() == 0) return false;
  *taken = {wanted.width, wanted.height, pageColourDepth()};
  return true;
}

bool currentDisplayMode(DisplayMode* mode) {
  if (!pageAvailable()) return false;
  *mode = {pageViewportWidth(), pageViewportHeight(), pageColourDepth()};
  return true;
}

void restoreDisplayMode() {
  if (pageAvailable()) pageLeaveFullscreen();
}

void showCursor(bool visible) {
  if (pageAvailable()) pageShowCursor(visible ? 1 : 0);
}

Window* createWindow(const char* title, const WindowStyle& style) {
  if (!pageAvailable() || theWindow != nullptr) return nullptr;
  pageCreateCanvas(title, style.width, style.height, style.fullscreen ? 1 : 0);
  theWindow = new Window{style.width, style.height};
  return theWindow;
}

// The drawing buffer is the chosen size in both modes, so that is the client size.
bool showWindow(Window* window) {
  if (window == nullptr) return false;
  pageShowCanvas();
  pagePostSize(window->width, window->height);
  return true;
}

bool destroyWindow(Window* window) {
  if (window == nullptr || window != theWindow) return false;
  pageRemoveCanvas();
  delete theWindow;
  theWindow = nullptr;
  return true;
}

bool peekMessage(WindowMessage* message) {
  if (!pageAvailable()) return false;
  const int packed = pageNextMessage();
  if (packed == 0) return false;
  *message = {};
  switch (static_cast<unsigned>(packed) >> kMessageKindShift) {
    case kMessageSize:
      message->kind = MessageKind::Size;
      message->width = (packed >> kMessageWidthShift) & kMessageSideMask;
      message->height = packed & kMessageSideMask;
      break;
    case kMessageActivate:
      message->kind = MessageKind::Activate;
      message->minimised = packed & 1;
      break;
    case kMessageClose:
      message->kind = MessageKind::Close;
      break;
    case kMessageKey:
      message->kind = MessageKind::KeyDown;
      message->key = packed & kMessageKeyMask;
      break;
    default:
      message->kind = MessageKind::Other;
      break;
  }
  return true;
}

const char* canvasSelector(Window*) { return "#demo-canvas"; }

}  // namespace platform::web
