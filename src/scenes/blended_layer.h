// The bracket around a layer of the ocean, forest and final scenes: blending with the layer's
// own function and 2D texturing on, the depth test off, so the drawing order alone decides; at
// the end blending and texturing off and the depth test on again, which is what each of those
// scenes leaves behind.
#pragma once

#include <GL/gl.h>

void beginLayer(GLenum source, GLenum destination);
void endLayer();
