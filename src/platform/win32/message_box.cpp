// Message boxes: MessageBoxA without an owner, with the buttons, icon and modality each caller
// asks for. Where no box can be shown the caption and text go to standard error instead.
#include <windows.h>

#include <cstdio>

#include "platform/win32/win32_backend.h"

namespace platform::win32 {

namespace {

UINT iconFlag(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information:
      return MB_ICONINFORMATION;
    case BoxIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case BoxIcon::Stop:
      return MB_ICONSTOP;
    case BoxIcon::None:
      break;
  }
  return 0;
}

int answerOf(int id, BoxButtons buttons) {
  switch (id) {
    case IDYES:
      return kAnswerYes;
    case IDNO:
      return kAnswerNo;
    case IDOK:
      return kAnswerOk;
    default:
      return buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
  }
}

}  // namespace

int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
               bool systemModal) {
  UINT flags = buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
  flags |= iconFlag(icon);
  if (systemModal) flags |= MB_SYSTEMMODAL;
  const int id = MessageBoxA(nullptr, text, caption, flags);
  if (id == 0) std::fprintf(stderr, "%s: %s\n", caption, text);
  return answerOf(id, buttons);
}

}  // namespace platform::win32
