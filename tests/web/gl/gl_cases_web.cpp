// Draws every case through the GL 1.1 layer on the page's WebGL 2 canvas (#canvas) and hands
// each picture to the page: window.glCases gets {name, error, rgb} per case (rgb base64, rows
// bottom first as glReadPixels gives them), then window.glCasesDone is set. The pixels are read
// through the layer's own glReadPixels, in GL_RGB with a pack alignment of 1, as the capture tool
// reads them.
#include <GL/gl.h>
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/html5_webgl.h>

#include <cstdio>
#include <vector>

#include "gl_cases.h"
#include "platform/web/gl/webgl_layer.h"

EM_JS(void, reportCase, (const char* name, unsigned error, const uint8_t* rgb, int size), {
  var bytes = HEAPU8.slice(rgb, rgb + size);
  var text = "";
  for (var i = 0; i < bytes.length; ++i) text += String.fromCharCode(bytes[i]);
  (window.glCases = window.glCases || []).push({name: UTF8ToString(name), error: error, rgb: btoa(text)});
});

EM_JS(void, reportDone, (const char* renderer, int started), {
  window.glRenderer = UTF8ToString(renderer);
  window.glLayerStarted = !!started;
  window.glCasesDone = true;
});

namespace {

bool makeWebGl2Context() {
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  attributes.majorVersion = 2;
  attributes.depth = 1;
  attributes.alpha = 0;
  attributes.antialias = 0;
  const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
      emscripten_webgl_create_context("#canvas", &attributes);
  return context > 0 && emscripten_webgl_make_context_current(context) == EMSCRIPTEN_RESULT_SUCCESS;
}

}  // namespace

int main() {
  if (!makeWebGl2Context() || !webglLayerStart()) {
    std::fprintf(stderr, "gl-cases: no WebGL 2 context or the layer did not start\n");
    reportDone("", 0);
    return 1;
  }
  std::vector<uint8_t> rgb(static_cast<size_t>(glcases::kSide) * glcases::kSide * 3);
  for (const glcases::Case& c : glcases::cases()) {
    c.draw();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, glcases::kSide, glcases::kSide, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    reportCase(c.name, glGetError(), rgb.data(), static_cast<int>(rgb.size()));
    glcases::resetBetweenCases();
  }
  reportDone(reinterpret_cast<const char*>(glGetString(GL_RENDERER)), 1);
  return 0;
}
