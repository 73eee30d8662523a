#include "startup/window_error_box.h"

void windowErrorBox(const char* text, platform::BoxIcon icon) {
  platform::current().messageBox(text, "ERROR", platform::BoxButtons::Ok, icon, false);
}
