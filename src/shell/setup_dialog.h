// The setup dialog: its template (dialog 101) as data and setupDialogProc, which sets the
// opening defaults and turns each command into a change of displaySettings or the dialog's end.
// Not here: showing the dialog (platform/dialog.h) and what the shell does with the answer.
#pragma once

#include <cstdint>

#include "platform/dialog.h"

constexpr int kSetupDialogId = 101;
constexpr int kSetupGo = 1;
constexpr int kSetupHuh = 2;
constexpr int kSetup16Bpp = 1004;
constexpr int kSetup32Bpp = 1005;
constexpr int kSetup640x480 = 1006;
constexpr int kSetup800x600 = 1007;
constexpr int kSetup1024x768 = 1008;
constexpr int kSetupFullscreen = 1009;

extern const platform::DialogTemplate kSetupDialog;

// 1 for a command it handled, 0 for any other command or message.
int setupDialogProc(platform::Dialog* dialog, unsigned message, uintptr_t wParam, intptr_t lParam);
