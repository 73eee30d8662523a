// The dialog toolkit over the page: the template's controls as elements of a classic dialog at
// the dialog font's real size, placed and ticked by the procedure, and the keyboard handled by
// the same template rules as the desktop (Tab and Shift+Tab over the tab stops, arrows inside a
// group, Enter for the focused or default button, Escape to cancel, Alt and a label's letter).
// The page reports clicks and keys; the decisions are made here. While the viewer thinks, the
// dialog's idle work runs between the page's turns. Not here: what the commands mean.
#include <emscripten.h>

#include <cctype>
#include <cstdio>

#include "platform/dialog.h"
#include "platform/dialog_layout.h"
#include "platform/web/page_protocol.h"
#include "platform/web/web_backend.h"

namespace platform {

struct Dialog {
  const DialogTemplate* dialogTemplate = nullptr;
  DialogProc proc = nullptr;
  bool ended = false;
  int result = 0;
};

namespace {

namespace protocol = web::protocol;

EM_JS(double, pageFontAverageWidth, (int pixels), {
  return tamsirelPage.dialog.averageCharWidth(pixels);
});
EM_JS(double, pageFontHeight, (int pixels), { return tamsirelPage.dialog.lineHeight(pixels); });
EM_JS(void, pageDialogOpen, (const char* caption, int width, int height, int pixels), {
  tamsirelPage.dialog.open(UTF8ToString(caption), width, height, pixels);
});
EM_JS(void, pageDialogAdd,
      (int index, int id, int kind, const char* text, int group, int x, int y, int width,
       int height, int disabled),
      {
        tamsirelPage.dialog.add(index, id, kind, UTF8ToString(text), group, x, y, width, height,
                                disabled != 0);
      });
EM_JS(void, pageDialogPlace, (int x, int y), { tamsirelPage.dialog.place(x, y); });
EM_JS(void, pageDialogShow, (), { tamsirelPage.dialog.show(); });
EM_JS(void, pageDialogSetCheck, (int index, int checked), {
  tamsirelPage.dialog.setChecked(index, checked != 0);
});
EM_JS(int, pageDialogChecked, (int index), { return tamsirelPage.dialog.checked(index) ? 1 : 0; });
EM_JS(void, pageDialogFocus, (int index), { tamsirelPage.dialog.focus(index); });
// With `busy`, the answer comes at the browser's next turn, 0 when the viewer did nothing.
EM_ASYNC_JS(int, pageDialogNextEvent, (int busy), {
  return await tamsirelPage.dialog.nextEvent(busy !== 0);
});
EM_JS(void, pageDialogClose, (), { tamsirelPage.dialog.close(); });

int kindCode(ControlKind kind) {
  switch (kind) {
    case ControlKind::DefaultPushButton:
      return protocol::kControlDefaultButton;
    case ControlKind::PushButton:
      return protocol::kControlButton;
    case ControlKind::GroupBox:
      return protocol::kControlGroup;
    case ControlKind::AutoRadioButton:
      return protocol::kControlRadio;
    case ControlKind::AutoCheckBox:
      return protocol::kControlCheck;
  }
  return protocol::kControlButton;
}

void sendCommand(Dialog& dialog, int id) {
  dialog.proc(&dialog, kDialogCommand, static_cast<uintptr_t>(id) & 0xffffu, 0);
}

// A click, or Alt and the control's letter: an auto check box flips, an auto radio button is
// chosen, and the control sends its command.
void activate(Dialog& dialog, int index, bool pageFlipped) {
  const DialogControl& control = dialog.dialogTemplate->controls[static_cast<size_t>(index)];
  if (!pageFlipped && control.kind == ControlKind::AutoCheckBox) {
    pageDialogSetCheck(index, pageDialogChecked(index) == 0 ? 1 : 0);
  }
  if (!pageFlipped && control.kind == ControlKind::AutoRadioButton) pageDialogSetCheck(index, 1);
  sendCommand(dialog, control.id);
}

void moveFocus(Dialog& dialog, int from, int to, bool chooseRadio) {
  if (to < 0 || to == from) return;
  pageDialogFocus(to);
  const DialogControl& control = dialog.dialogTemplate->controls[static_cast<size_t>(to)];
  if (chooseRadio && control.kind == ControlKind::AutoRadioButton) activate(dialog, to, false);
}

// The control whose label marks `letter` with '&' ("&Fullscreen" for F); -1 when none does.
int mnemonicControl(const Dialog& dialog, int letter) {
  const auto controls = dialog.dialogTemplate->controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (!takesFocus(controls[i])) continue;
    for (const char* c = controls[i].text; c[0] != '\0' && c[1] != '\0'; ++c) {
      if (c[0] != '&') continue;
      if (c[1] == '&') {
        ++c;
        continue;
      }
      if (std::toupper(static_cast<unsigned char>(c[1])) == letter) return static_cast<int>(i);
      break;
    }
  }
  return -1;
}

void handleKey(Dialog& dialog, int key, int modifiers, int focused) {
  const auto controls = dialog.dialogTemplate->controls;
  if ((modifiers & (protocol::kModifierCtrl | protocol::kModifierMeta)) != 0) return;
  if ((modifiers & protocol::kModifierAlt) != 0) {
    const int index = mnemonicControl(dialog, key);
    if (index < 0) return;
    pageDialogFocus(index);
    activate(dialog, index, false);
    return;
  }
  const int step = (modifiers & protocol::kModifierShift) != 0 ? -1 : 1;
  switch (key) {
    case protocol::kKeyTab:
      moveFocus(dialog, focused, nextTabStop(controls, focused, step), false);
      break;
    case protocol::kKeyLeft:
    case protocol::kKeyUp:
      moveFocus(dialog, focused, nextInGroup(controls, focused, -1), true);
      break;
    case protocol::kKeyRight:
    case protocol::kKeyDown:
      moveFocus(dialog, focused, nextInGroup(controls, focused, 1), true);
      break;
    case protocol::kKeyEnter:
      sendCommand(dialog, enterCommand(controls, focused));
      break;
    case protocol::kKeyEscape:
      sendCommand(dialog, kCommandCancel);
      break;
    default:
      break;
  }
}

void handleEvent(Dialog& dialog, int event) {
  const int kind = (event >> protocol::kEventKindShift) & 0xf;
  const int focused = ((event >> protocol::kEventFocusShift) & 0xff) - 1;
  const int modifiers = (event >> protocol::kEventModifiersShift) & 0xf;
  const int code = event & 0xffff;
  if (kind == protocol::kEventActivated) activate(dialog, code, true);
  if (kind == protocol::kEventKey) handleKey(dialog, code, modifiers, focused);
}

void build(const DialogTemplate& t) {
  const int pixels = fontPixels(t.font.points);
  const FontMetrics metrics{pageFontAverageWidth(pixels), pageFontHeight(pixels)};
  const DialogRect frame = toPixels(t.rect, metrics);
  pageDialogOpen(t.caption, frame.width, frame.height, pixels);
  for (size_t i = 0; i < t.controls.size(); ++i) {
    const DialogControl& c = t.controls[i];
    const DialogRect r = toPixels(c.rect, metrics);
    pageDialogAdd(static_cast<int>(i), c.id, kindCode(c.kind), c.text,
                  groupOf(t.controls, static_cast<int>(i)), r.x, r.y, r.width, r.height,
                  (c.styles & kStyleDisabled) != 0 ? 1 : 0);
  }
  pageDialogPlace(frame.x, frame.y);
}

// ---------------------------------------------------------------------------------------------
// Operations of the dialog procedure

int indexOf(const Dialog& dialog, int controlId) {
  const auto controls = dialog.dialogTemplate->controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id == controlId && holdsCheck(controls[i].kind)) return static_cast<int>(i);
  }
  return -1;
}

void setButtonCheck(Dialog* dialog, int controlId, int state) {
  const int index = indexOf(*dialog, controlId);
  if (index >= 0) pageDialogSetCheck(index, state == kButtonChecked ? 1 : 0);
}

// The page has no other windows to stay above: the dialog is the page's only one.
void placeTopmost(Dialog*, int x, int y) { pageDialogPlace(x, y); }

void endDialog(Dialog* dialog, int result) {
  dialog->result = result;
  dialog->ended = true;
}

}  // namespace

DialogOps& dialogOps() {
  static DialogOps ops{setButtonCheck, placeTopmost, endDialog};
  return ops;
}

int showDialog(const DialogTemplate& dialogTemplate, DialogProc proc) {
  if (!web::pageAvailable()) {
    std::fprintf(stderr, "%s: no page to show the dialog in\n", dialogTemplate.caption);
    return kDialogNotShown;
  }
  Dialog dialog;
  dialog.dialogTemplate = &dialogTemplate;
  dialog.proc = proc;
  build(dialogTemplate);
  proc(&dialog, kDialogInit, 0, 0);
  if (!dialog.ended) pageDialogShow();
  // The idle work goes a piece a turn of the browser, which takes the viewer's input between.
  while (!dialog.ended) {
    const int event = pageDialogNextEvent(dialogIdleWork() ? 1 : 0);
    if (event != 0) handleEvent(dialog, event);
  }
  pageDialogClose();
  return dialog.result;
}

}  // namespace platform
