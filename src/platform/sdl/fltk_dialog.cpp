// The dialog toolkit over FLTK: widgets built from a dialog template at the dialog font's real
// size, the template's radio groups, Tab, arrows, Enter and Escape handled as a dialog manager
// does, the window kept above others and without a close. Not here: what the commands mean.
#include "platform/dialog.h"
#include "platform/dialog_layout.h"
#include "platform/sdl/stop_signal.h"
#include "platform/sdl/x11_window_hints.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace platform {

struct Dialog {
  const DialogTemplate* dialogTemplate = nullptr;
  DialogProc proc = nullptr;
  Fl_Window* window = nullptr;
  std::vector<Fl_Widget*> widgets;  // one per template control, in template order
  bool keepAbove = false;  // placed by the procedure: above others, the frame's corner at placeX/Y
  int placeX = 0;
  int placeY = 0;
  bool ended = false;
  int result = 0;
};

namespace {

constexpr const char* kMeasureText = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kMeasureLength = 52;
constexpr int kGroupLabelIndent = 6;  // pixels from a group box's left edge to its label
constexpr int kBoldWeight = 700;

// ---------------------------------------------------------------------------------------------
// Fonts and labels

Fl_Font toolkitFont(const DialogFont& font) {
  Fl_Font face = FL_HELVETICA;  // the toolkit's sans serif stands for the dialog's
  if (font.weight >= kBoldWeight) face += FL_BOLD;
  if (font.italic) face += FL_ITALIC;
  return face;
}

FontMetrics measureFont(Fl_Font face, int size) {
  fl_font(face, size);
  return {fl_width(kMeasureText) / kMeasureLength, static_cast<double>(fl_height())};
}

// ---------------------------------------------------------------------------------------------
// Widgets

// A frame whose top edge runs through the middle of its label, the label cut into the line.
class GroupBox : public Fl_Widget {
 public:
  GroupBox(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {}

  void draw() override {
    fl_font(labelfont(), labelsize());
    const int lineHeight = fl_height();
    const int top = y() + lineHeight / 2;
    fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), color());
    int labelWidth = 0, labelHeight = 0;
    measure_label(labelWidth, labelHeight);
    const int left = x() + kGroupLabelIndent;
    fl_color(color());
    fl_rectf(left - 1, y(), labelWidth + 2, lineHeight);
    fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
    fl_draw(label(), left, y(), labelWidth, lineHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  }
};

// The controls of one template group. Arrow keys and Tab go up to the window, which moves the
// focus by the template's rules instead of the toolkit's.
class ControlGroup : public Fl_Group {
 public:
  ControlGroup(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {}

  int handle(int event) override { return event == FL_KEYBOARD ? 0 : Fl_Group::handle(event); }
};

void sendCommand(Dialog& dialog, int id) {
  dialog.proc(&dialog, kDialogCommand, static_cast<uintptr_t>(id) & 0xffffu, 0);
}

int indexOf(const Dialog& dialog, const Fl_Widget* widget) {
  for (size_t i = 0; i < dialog.widgets.size(); ++i) {
    if (dialog.widgets[i] == widget) return static_cast<int>(i);
  }
  return -1;
}

// A mouse press counts only when released over its control: dragged off, the toolkit has put
// the button back as it was, and no command may change what the dialog returns.
void controlCallback(Fl_Widget* widget, void* data) {
  if (Fl::event() == FL_RELEASE && !Fl::event_inside(widget)) return;
  auto* dialog = static_cast<Dialog*>(data);
  const int index = indexOf(*dialog, widget);
  if (index >= 0) sendCommand(*dialog, dialog->dialogTemplate->controls[index].id);
}

// A close from the window manager cancels only a dialog that has a close box.
void windowCallback(Fl_Widget*, void* data) {
  auto* dialog = static_cast<Dialog*>(data);
  if (dialog->dialogTemplate->systemMenu) sendCommand(*dialog, kCommandCancel);
}

Fl_Widget* makeControl(const DialogControl& control, const DialogRect& r) {
  switch (control.kind) {
    case ControlKind::DefaultPushButton:
      return new Fl_Return_Button(r.x, r.y, r.width, r.height);
    case ControlKind::PushButton:
      return new Fl_Button(r.x, r.y, r.width, r.height);
    case ControlKind::GroupBox:
      return new GroupBox(r.x, r.y, r.width, r.height);
    case ControlKind::AutoRadioButton: {
      auto* radio = new Fl_Round_Button(r.x, r.y, r.width, r.height);
      radio->type(FL_RADIO_BUTTON);
      return radio;
    }
    case ControlKind::AutoCheckBox:
      return new Fl_Check_Button(r.x, r.y, r.width, r.height);
  }
  return nullptr;
}

void dressControl(Fl_Widget* widget, const DialogControl& control, Fl_Font face, int size,
                  Dialog* dialog) {
  widget->copy_label(x11::literalLabel(control.text).c_str());
  widget->labelfont(face);
  widget->labelsize(size);
  if (control.kind != ControlKind::GroupBox && control.kind != ControlKind::PushButton &&
      control.kind != ControlKind::DefaultPushButton) {
    widget->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  }
  // A click on an already chosen radio button still sends its command, as it does on Windows;
  // controlCallback drops a release away from the control.
  widget->when(FL_WHEN_RELEASE_ALWAYS);
  widget->callback(controlCallback, dialog);
  if ((control.styles & kStyleDisabled) != 0) widget->deactivate();
}

DialogRect groupBounds(const std::vector<DialogRect>& rects, size_t first, size_t last) {
  int left = rects[first].x, top = rects[first].y;
  int right = left + rects[first].width, bottom = top + rects[first].height;
  for (size_t i = first + 1; i < last; ++i) {
    left = std::min(left, rects[i].x);
    top = std::min(top, rects[i].y);
    right = std::max(right, rects[i].x + rects[i].width);
    bottom = std::max(bottom, rects[i].y + rects[i].height);
  }
  return {left, top, right - left, bottom - top};
}

// One toolkit group per template group, so radio buttons exclude only the buttons of their own.
void addControls(Dialog& dialog, const std::vector<DialogRect>& rects, Fl_Font face, int size) {
  const auto controls = dialog.dialogTemplate->controls;
  size_t first = 0;
  while (first < controls.size()) {
    size_t last = first + 1;
    while (last < controls.size() && (controls[last].styles & kStyleGroup) == 0) ++last;
    const DialogRect b = groupBounds(rects, first, last);
    auto* group = new ControlGroup(b.x, b.y, b.width, b.height);
    for (size_t i = first; i < last; ++i) {
      Fl_Widget* widget = makeControl(controls[i], rects[i]);
      dressControl(widget, controls[i], face, size, &dialog);
      dialog.widgets.push_back(widget);
    }
    group->end();
    first = last;
  }
}

// ---------------------------------------------------------------------------------------------
// The keyboard, as a dialog manager handles it

void moveFocus(Dialog& dialog, int from, int to, bool selectRadio) {
  if (to < 0 || to == from) return;
  Fl_Widget* widget = dialog.widgets[to];
  widget->take_focus();
  if (selectRadio && dialog.dialogTemplate->controls[to].kind == ControlKind::AutoRadioButton) {
    static_cast<Fl_Button*>(widget)->setonly();
    sendCommand(dialog, dialog.dialogTemplate->controls[to].id);
  }
}

bool handleKey(Dialog& dialog, int key, int state) {
  if ((state & (FL_CTRL | FL_ALT | FL_META)) != 0) return false;
  const auto controls = dialog.dialogTemplate->controls;
  const int focused = indexOf(dialog, Fl::focus());
  const int back = (state & FL_SHIFT) != 0 ? -1 : 1;
  switch (key) {
    case FL_Tab:
      moveFocus(dialog, focused, nextTabStop(controls, focused, back), false);
      return true;
    case FL_Up:
    case FL_Left:
      moveFocus(dialog, focused, nextInGroup(controls, focused, -1), true);
      return true;
    case FL_Down:
    case FL_Right:
      moveFocus(dialog, focused, nextInGroup(controls, focused, 1), true);
      return true;
    case FL_Enter:
    case FL_KP_Enter:
      sendCommand(dialog, enterCommand(controls, focused));
      return true;
    case FL_Escape:
      sendCommand(dialog, kCommandCancel);
      return true;
    default:
      return false;
  }
}

class DialogWindow : public Fl_Double_Window {
 public:
  DialogWindow(int w, int h, Dialog* dialog) : Fl_Double_Window(w, h), dialog_(dialog) {}

  int handle(int event) override {
    if (event == FL_KEYBOARD && handleKey(*dialog_, Fl::event_key(), Fl::event_state())) return 1;
    return Fl_Double_Window::handle(event);
  }

 private:
  Dialog* dialog_;
};

Fl_Window* buildWindow(Dialog& dialog) {
  const DialogTemplate& t = *dialog.dialogTemplate;
  const Fl_Font face = toolkitFont(t.font);
  const int size = fontPixels(t.font.points);
  const FontMetrics metrics = measureFont(face, size);
  std::vector<DialogRect> rects;
  for (const DialogControl& control : t.controls) rects.push_back(toPixels(control.rect, metrics));
  const DialogRect frame = toPixels(t.rect, metrics);
  auto* window = new DialogWindow(frame.width, frame.height, &dialog);
  window->copy_label(t.caption);
  addControls(dialog, rects, face, size);
  window->end();
  window->set_modal();
  window->size_range(frame.width, frame.height, frame.width, frame.height);
  window->position(frame.x, frame.y);
  window->callback(windowCallback, &dialog);
  return window;
}

// ---------------------------------------------------------------------------------------------
// Window-manager hints, given once the window manager has taken the mapped window: FLTK maps
// on show() with its own placement rules.

void applyWindowHints(Dialog& dialog, int x, int y) {
  if (!x11::waitUntilMapped(dialog.window)) return;
  if (!dialog.dialogTemplate->systemMenu) x11::removeCloseBox(dialog.window);
  if (dialog.keepAbove) {
    x11::placeFrame(dialog.window, x, y);
    x11::keepAbove(dialog.window);
  }
  XFlush(fl_display);
}

// ---------------------------------------------------------------------------------------------
// Operations of the dialog procedure

void setButtonCheck(Dialog* dialog, int controlId, int state) {
  const auto controls = dialog->dialogTemplate->controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id != controlId || !holdsCheck(controls[i].kind)) continue;
    static_cast<Fl_Button*>(dialog->widgets[i])->value(state == kButtonChecked ? 1 : 0);
  }
}

void placeTopmost(Dialog* dialog, int x, int y) {
  dialog->window->position(x, y);
  dialog->placeX = x;
  dialog->placeY = y;
  dialog->keepAbove = true;
  if (dialog->window->shown()) applyWindowHints(*dialog, x, y);
}

void endDialog(Dialog* dialog, int result) {
  dialog->result = result;
  dialog->ended = true;
  dialog->window->hide();
}

void runModal(Dialog& dialog) {
  dialog.window->show();
  applyWindowHints(dialog, dialog.placeX, dialog.placeY);
  while (!dialog.ended && dialog.window->shown()) {
    if (dialogIdleWork()) {
      Fl::check();
    } else {
      Fl::wait();
    }
  }
}

}  // namespace

DialogOps& dialogOps() {
  static DialogOps ops{setButtonCheck, placeTopmost, endDialog};
  return ops;
}

int showDialog(const DialogTemplate& dialogTemplate, DialogProc proc) {
  if (!x11::displayAvailable()) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "%s: cannot open the display \"%s\"\n", dialogTemplate.caption,
                 name != nullptr ? name : "");
    return kDialogNotShown;
  }
  fl_open_display();
  stop_signal::watch();
  Dialog dialog;
  dialog.dialogTemplate = &dialogTemplate;
  dialog.proc = proc;
  dialog.window = buildWindow(dialog);
  proc(&dialog, kDialogInit, 0, 0);
  if (!dialog.ended) runModal(dialog);
  delete dialog.window;
  Fl::check();
  return dialog.ended ? dialog.result : kDialogNotShown;
}

}  // namespace platform
