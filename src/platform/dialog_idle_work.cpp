// The work a dialog does while it waits, kept once for every toolkit.
#include "platform/dialog.h"

namespace platform {

namespace {

bool (*idleWork)() = nullptr;

}  // namespace

void setDialogIdleWork(bool (*work)()) { idleWork = work; }

bool dialogIdleWork() { return idleWork != nullptr && idleWork(); }

}  // namespace platform
