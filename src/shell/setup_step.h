// Start-up step 4: the setup dialog. Fills displaySettings (and setupCancelled) and returns the
// dialog's result: 1 after "Let's GO!", 0 after a cancel.
#pragma once

int runSetupStep();
