// The one shape of the shell's start-up failure boxes; shutdown and fatalError have their own.
#include "shell/shell_boxes.h"

void shellErrorBox(const char* text, platform::BoxIcon icon) {
  platform::current().messageBox(text, "ERROR", platform::BoxButtons::Ok, icon, false);
}
