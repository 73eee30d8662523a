// Records what a drawing step hands to GL, through GL's feedback mode: every polygon with its
// vertices' window position, colour and texture coordinate. Used by the forest and final scene
// tests to check geometry and texture offsets that pixels show only indirectly.
#pragma once

#include <functional>
#include <vector>

namespace scene_testing {

struct FeedbackVertex {
  float x, y, z;
  float r, g, b, a;
  float s, t;
};

using FeedbackPolygon = std::vector<FeedbackVertex>;

// Runs `draw` in feedback mode and returns the polygons in drawing order. A quad may come back
// as one polygon of four vertices or as two triangles, as the GL chooses.
std::vector<FeedbackPolygon> recordPolygons(const std::function<void()>& draw);

// The number of quads `polygons` were drawn from (each polygon of 4 vertices, or a pair of
// triangles).
int quadCount(const std::vector<FeedbackPolygon>& polygons);

}  // namespace scene_testing
