// The scene timer: milliseconds of the platform counter since the last restart, and the time
// between the last two presented frames.
#include "core/demo_clock.h"

DemoClock* demoClock = nullptr;

DemoClock::DemoClock() {
  active = 1;
  width = 800;
  height = 600;
  textures = new uint32_t[kTextureSlots];
  frameTime = 0;
  restart();
  fullscreen = 1;
  elapsed = static_cast<int32_t>(platform::milliseconds() - startTick);
}

void DemoClock::restart() {
  startTick = platform::milliseconds();
  elapsed = 0;
}

void DemoClock::endFrame() {
  const int32_t previous = elapsed;
  // Unsigned subtraction keeps the result right across a wrap of the 32-bit counter.
  elapsed = static_cast<int32_t>(platform::milliseconds() - startTick);
  // Unsigned too, so the step across elapsed's own wrap (after 24.8 days) stays a small number.
  frameTime =
      static_cast<int32_t>(static_cast<uint32_t>(elapsed) - static_cast<uint32_t>(previous));
  // The time is taken before the swap, so a swap that waits for the display counts next frame.
  letterbox.present(deviceContext);
}
