// The pyramid scene: init and frame with the sequencer's scene contract.
#pragma once

namespace pyramid {
int init();
int frame();
}  // namespace pyramid
