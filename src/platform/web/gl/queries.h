// The answers glGetString gives that depend on the browser.
#pragma once

namespace webgl_layer {

// Learns the browser's renderer for GL_RENDERER, from the current context.
void learnRenderer();

}  // namespace webgl_layer
