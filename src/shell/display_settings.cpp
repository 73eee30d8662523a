// The process-wide dialog choices; the dialog step writes them, start-up step 6 reads them.
#include "shell/display_settings.h"

DisplaySettings displaySettings;
int32_t setupCancelled = 0;
