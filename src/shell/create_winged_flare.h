// Start-up step 2: the final scene's flying object, made once and never destroyed.
#pragma once

void createWingedFlare();
