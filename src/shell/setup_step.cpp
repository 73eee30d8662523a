// Start-up step 4: the setup dialog shown modally without an owner. A dialog that cannot be
// shown at all (no display) counts as a cancel; the toolkit has already said why on stderr.
#include "shell/setup_step.h"

#include "platform/dialog.h"
#include "shell/display_settings.h"
#include "shell/setup_dialog.h"

int runSetupStep() {
  const int result = platform::showDialog(kSetupDialog, setupDialogProc);
  if (result != platform::kDialogNotShown) return result;
  setupCancelled = 1;
  return 0;
}
