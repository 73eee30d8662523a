// The virtual time and its place in the platform table.
#include "virtual_clock.h"

#include "platform/platform.h"

namespace {

VirtualClock* installed = nullptr;

uint32_t virtualMilliseconds() { return static_cast<uint32_t>(installed->now()); }

}  // namespace

VirtualClock::VirtualClock(int fps) : fps_(fps) {}

int64_t VirtualClock::regularStep() const {
  const int64_t n = framesStepped_;
  return (n + 1) * 1000 / fps_ - n * 1000 / fps_;
}

void VirtualClock::advance(int64_t ms) {
  now_ += static_cast<uint64_t>(ms);
  ++framesStepped_;
}

void installVirtualClock(VirtualClock* clock) {
  installed = clock;
  platform::current().milliseconds = virtualMilliseconds;
}
