// The final scene: init and frame with the sequencer's scene contract.
#pragma once

namespace finalscene {
int init();
int frame();
}  // namespace finalscene
