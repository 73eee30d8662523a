// A dialog template turned into the extended in-memory template (DLGTEMPLATEEX and one
// DLGITEMTEMPLATEEX per control) that the Win32 dialog manager builds a dialog from.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/dialog.h"

namespace platform::win32 {

// The template's bytes, in DWORDs because the dialog manager wants them DWORD-aligned.
std::vector<DWORD> buildDialogTemplateEx(const DialogTemplate& dialogTemplate);

}  // namespace platform::win32
