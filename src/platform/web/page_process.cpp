// The counter and the end of the program. The counter is the page's performance.now() cut to
// unsigned 32 bits, so it wraps like every counter the timing code reads. Ending runs the exit
// handlers and shuts the runtime down, and the page learns of it from the runtime's onExit and
// says that the demo has ended. A plain exit would not do: called from code that resumed after a
// wait for the page (a box's answer), the runtime still counts that wait as running and only
// halts, leaving the page frozen on the box's backdrop.
#include <emscripten.h>

#include <cstdint>

#include "platform/web/web_backend.h"

namespace platform::web {

namespace {

EM_JS(int, pageIsThere, (), { return typeof tamsirelPage !== 'undefined' ? 1 : 0; });

}  // namespace

uint32_t milliseconds() {
  return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

void exitProcess(int status) { emscripten_force_exit(status); }

// Asked at every entry, the message loop's included; the page cannot come or go during a run.
bool pageAvailable() {
  static const bool available = pageIsThere() != 0;
  return available;
}

}  // namespace platform::web
