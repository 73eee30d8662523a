// The depths of the attribute stacks of glPushAttrib and glPushClientAttrib, for glGetIntegerv.
#pragma once

namespace webgl_layer {

int attribStackDepth();
int clientAttribStackDepth();
int maxAttribStackDepth();  // the same for both stacks
void resetAttribStacks();

}  // namespace webgl_layer
