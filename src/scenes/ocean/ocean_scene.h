// The ocean scene: init and frame with the sequencer's scene contract.
#pragma once

namespace ocean {
int init();
int frame();
}  // namespace ocean
