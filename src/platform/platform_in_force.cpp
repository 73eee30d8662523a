// The table in force, the same for every backend: it starts as the backend's real() and the
// tests and the capture tool replace entries in it.
#include "platform/platform.h"

namespace platform {

Platform& current() {
  static Platform inForce = real();
  return inForce;
}

}  // namespace platform
