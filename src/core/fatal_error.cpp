#include "core/fatal_error.h"

#include "platform/platform.h"

void fatalError(const char* message) {
  platform::current().messageBox(message, "ERROR!", platform::BoxButtons::Ok,
                                 platform::BoxIcon::Stop, true);
  // A failure is not reported as success: status 1, where the original program exited 0.
  platform::exitProcess(1);
}
