// The millisecond counter: a monotonic clock cut to 32 bits, so it wraps like the counter the
// timing code was written for (after 49.7 days); everything that reads it subtracts unsigned.
#include <chrono>

#include "platform/sdl/sdl_backend.h"

namespace platform::sdl {

uint32_t milliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace platform::sdl
