// The pictures that check the GL 1.1 layer over WebGL 2 against Mesa: each case draws one small
// picture with plain GL 1.1 and GLU, the same source built natively (Mesa makes the reference)
// and for the browser (drawn through the layer). Cases run in order in one context; each leaves
// the switches it turned on off again, and the runner resets the matrices between cases.
#pragma once

#include <span>

namespace glcases {

constexpr int kSide = 64;  // every picture is kSide x kSide

struct Case {
  const char* name;
  void (*draw)();
};

std::span<const Case> cases();
// What the runner does after each case: identity matrices, model-view selected, texture 0 bound,
// the full viewport, a white current colour.
void resetBetweenCases();

}  // namespace glcases
