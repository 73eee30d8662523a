// The GL context: WebGL 2 on the window's canvas, with our fixed-function layer over it
// (gl/webgl_layer.h). The pixel format is what WebGL gives every canvas (8-bit RGBA, a 24-bit
// depth buffer when asked for depth), so choosing one only checks the request can be met. The
// buffer swap hands the frame to the browser and waits for its next animation frame, so the
// frames pace with the display; the page then knows when each frame was shown, and keeps the
// music with it. A context the browser loses goes on taking the frames, which show nothing;
// when the browser restores it, the swap brings the layer back before the next frame, and when
// it does not, the swap says so in a box and ends the demo: never a black canvas for good.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/web/gl/webgl_layer.h"
#include "platform/web/page_protocol.h"
#include "platform/web/web_backend.h"

namespace platform {

struct DeviceContext {
  Window* window = nullptr;
  bool depth = true;
};

struct RenderContext {
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handle = 0;
  bool layerStarted = false;  // the GL layer's state is made on the first makeCurrent
};

}  // namespace platform

namespace platform::web {

namespace {

constexpr int kTheFormat = 1;
constexpr int kMostColourBits = 32;  // 8 bits each of red, green, blue and alpha
constexpr int kMostDepthBits = 24;

// The context's state once the frame is on screen (page/playback.js), one of protocol's
// kContext*.
EM_ASYNC_JS(int, pageNextAnimationFrame, (), { return await tamsirelPage.nextFrame(); });

RenderContext* current = nullptr;

[[noreturn]] void pictureLost() {
  messageBox("The browser lost the demo's picture (its WebGL context) and could not give it back.",
             "ERROR", BoxButtons::Ok, BoxIcon::Stop, true);
  platform::exitProcess(1);
}

}  // namespace

DeviceContext* getDeviceContext(Window* window) {
  if (window == nullptr) return nullptr;
  return new DeviceContext{window};
}

int choosePixelFormat(DeviceContext* dc, const PixelFormat& format) {
  if (dc == nullptr) return 0;
  if (format.colorBits > kMostColourBits || format.depthBits > kMostDepthBits) return 0;
  dc->depth = format.depthBits > 0;
  return kTheFormat;
}

bool setPixelFormat(DeviceContext* dc, int format) { return dc != nullptr && format == kTheFormat; }

RenderContext* createContext(DeviceContext* dc) {
  if (dc == nullptr) return nullptr;
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.majorVersion = 2;
  attributes.minorVersion = 0;
  attributes.alpha = EM_FALSE;
  attributes.depth = dc->depth ? EM_TRUE : EM_FALSE;
  attributes.stencil = EM_FALSE;
  attributes.antialias = EM_FALSE;
  attributes.premultipliedAlpha = EM_FALSE;
  const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handle =
      emscripten_webgl_create_context(canvasSelector(dc->window), &attributes);
  if (handle <= 0) return nullptr;
  return new RenderContext{handle};
}

// Made current the first time, the context gets the fixed-function state a GL 1.1 context starts
// with; made current again, it keeps what it has.
bool makeCurrent(DeviceContext* dc, RenderContext* rc) {
  if (dc == nullptr || rc == nullptr) {
    current = nullptr;
    return emscripten_webgl_make_context_current(0) == EMSCRIPTEN_RESULT_SUCCESS;
  }
  if (emscripten_webgl_make_context_current(rc->handle) != EMSCRIPTEN_RESULT_SUCCESS) return false;
  if (!rc->layerStarted) rc->layerStarted = webglLayerStart();
  current = rc->layerStarted ? rc : nullptr;
  return rc->layerStarted;
}

bool deleteContext(RenderContext* rc) {
  if (rc == nullptr) return false;
  if (rc == current) current = nullptr;
  const bool deleted = emscripten_webgl_destroy_context(rc->handle) == EMSCRIPTEN_RESULT_SUCCESS;
  delete rc;
  return deleted;
}

bool releaseDeviceContext(Window*, DeviceContext* dc) {
  if (dc == nullptr) return false;
  delete dc;
  return true;
}

void swapBuffers(DeviceContext*) {
  const int context = pageNextAnimationFrame();
  if (context == protocol::kContextGivenUp) pictureLost();
  if (context == protocol::kContextRestored && current != nullptr && !webglLayerRestore()) pictureLost();
}

// Every swap already waits for the browser's next frame, which follows the display: an interval
// of 1 is what the page always gives, and the page offers no other.
bool setSwapInterval(int interval) { return interval == 1; }

}  // namespace platform::web
