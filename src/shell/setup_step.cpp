// Until the dialog is shown, the step answers as the dialog does when "Let's GO!" is pressed at
// once: its opening defaults (800 x 600, 16 bpp, fullscreen) and result 1.
#include "shell/setup_step.h"

#include "shell/display_settings.h"

int runSetupStep() {
  displaySettings = {800, 600, 16, 1};
  return 1;
}
