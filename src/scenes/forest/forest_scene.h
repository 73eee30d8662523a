// The forest scene: init and frame with the sequencer's scene contract.
#pragma once

namespace forest {
int init();
int frame();
}  // namespace forest
