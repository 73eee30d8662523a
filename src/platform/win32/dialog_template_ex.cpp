// Writes the extended dialog template field by field: the dialog's header with its caption and
// font, then each control DWORD-aligned with the BUTTON class's atom and its text. The dialog
// is modal, above the others when placed, centred until then, and has no system menu unless the
// template asks for one (so no close box). Strings are widened from ASCII.
#include "platform/win32/dialog_template_ex.h"

#include <cstdint>

namespace platform::win32 {

namespace {

constexpr WORD kTemplateVersion = 1;
constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kAtomFollows = 0xFFFF;
constexpr WORD kButtonClassAtom = 0x0080;
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT |
                               DS_SETFOREGROUND | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN |
                               DS_NOFAILCREATE;
constexpr DWORD kDialogExStyle = WS_EX_TOOLWINDOW;

class TemplateWriter {
 public:
  void word(WORD value) {
    bytes_.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
  }
  void dword(DWORD value) {
    word(static_cast<WORD>(value & 0xFFFF));
    word(static_cast<WORD>(value >> 16));
  }
  void byte(uint8_t value) { bytes_.push_back(value); }
  void text(const char* s) {
    for (; s != nullptr && *s != '\0'; ++s) word(static_cast<uint8_t>(*s));
    word(0);
  }
  void alignToDword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  std::vector<DWORD> finish() {
    alignToDword();
    std::vector<DWORD> out(bytes_.size() / 4);
    for (size_t i = 0; i < out.size(); ++i) {
      out[i] = bytes_[4 * i] | bytes_[4 * i + 1] << 8 | bytes_[4 * i + 2] << 16 |
               static_cast<DWORD>(bytes_[4 * i + 3]) << 24;
    }
    return out;
  }

 private:
  std::vector<uint8_t> bytes_;
};

DWORD kindStyle(ControlKind kind) {
  switch (kind) {
    case ControlKind::DefaultPushButton:
      return BS_DEFPUSHBUTTON;
    case ControlKind::PushButton:
      return BS_PUSHBUTTON;
    case ControlKind::GroupBox:
      return BS_GROUPBOX;
    case ControlKind::AutoRadioButton:
      return BS_AUTORADIOBUTTON;
    case ControlKind::AutoCheckBox:
      return BS_AUTOCHECKBOX;
  }
  return BS_PUSHBUTTON;
}

DWORD controlStyle(const DialogControl& control) {
  DWORD style = WS_CHILD | WS_VISIBLE | kindStyle(control.kind);
  if (control.styles & kStyleTabStop) style |= WS_TABSTOP;
  if (control.styles & kStyleGroup) style |= WS_GROUP;
  if (control.styles & kStyleDisabled) style |= WS_DISABLED;
  return style;
}

void writeHeader(TemplateWriter& out, const DialogTemplate& t) {
  out.word(kTemplateVersion);
  out.word(kExtendedSignature);
  out.dword(0);  // help id
  out.dword(kDialogExStyle);
  out.dword(kDialogStyle | (t.systemMenu ? WS_SYSMENU : 0));
  out.word(static_cast<WORD>(t.controls.size()));
  out.word(static_cast<WORD>(t.rect.x));
  out.word(static_cast<WORD>(t.rect.y));
  out.word(static_cast<WORD>(t.rect.width));
  out.word(static_cast<WORD>(t.rect.height));
  out.word(0);  // no menu
  out.word(0);  // the system's dialog class
  out.text(t.caption);
  out.word(static_cast<WORD>(t.font.points));
  out.word(static_cast<WORD>(t.font.weight));
  out.byte(t.font.italic ? 1 : 0);
  out.byte(static_cast<uint8_t>(t.font.charset));
  out.text(t.font.face);
}

void writeControl(TemplateWriter& out, const DialogControl& control) {
  out.alignToDword();
  out.dword(0);  // help id
  out.dword(0);  // extended style
  out.dword(controlStyle(control));
  out.word(static_cast<WORD>(control.rect.x));
  out.word(static_cast<WORD>(control.rect.y));
  out.word(static_cast<WORD>(control.rect.width));
  out.word(static_cast<WORD>(control.rect.height));
  out.dword(static_cast<DWORD>(control.id));  // -1 becomes 0xFFFFFFFF, "no id"
  out.word(kAtomFollows);
  out.word(kButtonClassAtom);
  out.text(control.text);
  out.word(0);  // no creation data
}

}  // namespace

std::vector<DWORD> buildDialogTemplateEx(const DialogTemplate& dialogTemplate) {
  TemplateWriter out;
  writeHeader(out, dialogTemplate);
  for (const DialogControl& control : dialogTemplate.controls) writeControl(out, control);
  return out.finish();
}

}  // namespace platform::win32
