// The dialog toolkit on Win32: the template built in memory and run by the dialog manager with
// DialogBoxIndirectParamA, which gives Tab, arrows, mnemonics, Enter and Escape natively. A thin
// dialog procedure passes the opening and the commands on to the shared procedure, and runs the
// dialog's idle work on a timer, whose messages come only when no other is waiting.
#include <windows.h>

#include <cstdio>

#include "platform/dialog.h"
#include "platform/win32/dialog_template_ex.h"

namespace platform {

struct Dialog {
  HWND window = nullptr;
  DialogProc proc = nullptr;
};

namespace {

constexpr UINT_PTR kIdleTimer = 1;

Dialog* dialogOf(HWND window) {
  return reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

INT_PTR CALLBACK forwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Dialog* dialog = reinterpret_cast<Dialog*>(lParam);
    dialog->window = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    SetTimer(window, kIdleTimer, USER_TIMER_MINIMUM, nullptr);
    return dialog->proc(dialog, kDialogInit, wParam, lParam);
  }
  if (message == WM_TIMER && wParam == kIdleTimer) {
    if (!dialogIdleWork()) KillTimer(window, kIdleTimer);
    return TRUE;
  }
  Dialog* dialog = dialogOf(window);
  if (dialog == nullptr) return FALSE;
  if (message == WM_COMMAND) return dialog->proc(dialog, kDialogCommand, wParam, lParam);
  return FALSE;
}

void setButtonCheck(Dialog* dialog, int controlId, int state) {
  SendDlgItemMessageA(dialog->window, controlId, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

// The size arguments are ignored (SWP_NOSIZE).
void placeTopmost(Dialog* dialog, int x, int y) {
  SetWindowPos(dialog->window, HWND_TOPMOST, x, y, 100, 100, SWP_NOSIZE);
}

void endDialog(Dialog* dialog, int result) { EndDialog(dialog->window, result); }

}  // namespace

DialogOps& dialogOps() {
  static DialogOps ops{setButtonCheck, placeTopmost, endDialog};
  return ops;
}

int showDialog(const DialogTemplate& dialogTemplate, DialogProc proc) {
  const std::vector<DWORD> bytes = win32::buildDialogTemplateEx(dialogTemplate);
  Dialog dialog;
  dialog.proc = proc;
  const INT_PTR result = DialogBoxIndirectParamA(
      GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr,
      forwardingProc, reinterpret_cast<LPARAM>(&dialog));
  if (result == -1) {
    std::fprintf(stderr, "the setup dialog cannot be shown (error %lu)\n", GetLastError());
    return kDialogNotShown;
  }
  return static_cast<int>(result);
}

}  // namespace platform
