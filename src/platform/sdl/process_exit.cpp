// Ending the process: the runtime's normal exit, so exit handlers (the sound thread's shutdown
// among them) still run.
#include <cstdlib>

#include "platform/sdl/sdl_backend.h"

namespace platform::process {

void exitProcess(int status) { std::exit(status); }

}  // namespace platform::process
