// The view the ocean, forest and final scenes share: smooth-shaded 2D texturing over a black
// clear, depth test GL_LEQUAL, and a 20-degree perspective of the window's aspect with a near
// plane of 0. Leaves the projection matrix selected. Not here: the pyramid's own 90-degree view.
#pragma once

void setUpLayerView();
