// Message boxes over FLTK: our own small modal window with the classic icon, the text and OK or
// Yes/No buttons, kept above every other window (a fullscreen demo window too). Where no display
// can be opened the caption and text go to standard error instead. Not here: the setup dialog.
// The platform header comes first: X11's `None` macro would otherwise rename BoxIcon::None.
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/stop_signal.h"
#include "platform/sdl/x11_window_hints.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xlib.h>
#undef None

#include <algorithm>
#include <cstdio>
#include <string>

namespace platform::fltk {

namespace {

constexpr int kMargin = 16;
constexpr int kIconSize = 36;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 10;
constexpr int kTextWrapWidth = 480;
constexpr int kLabelInset = 6;  // FLTK draws a left-aligned label 3 pixels in from each side
constexpr Fl_Font kTextFont = FL_HELVETICA;
constexpr Fl_Fontsize kTextSize = 14;

int answerWithoutDisplay(const char* text, const char* caption, BoxButtons buttons) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  return buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
}

// The classic icons: a blue circle with "i", a yellow triangle with "!", a red circle with "X".
class BoxIconWidget : public Fl_Widget {
 public:
  BoxIconWidget(int x, int y, BoxIcon icon) : Fl_Widget(x, y, kIconSize, kIconSize), icon_(icon) {}

  void draw() override {
    switch (icon_) {
      case BoxIcon::Information:
        drawDisc(fl_rgb_color(0x1e, 0x5a, 0xc8), "i");
        break;
      case BoxIcon::Exclamation:
        drawTriangle();
        break;
      case BoxIcon::Stop:
        drawDisc(fl_rgb_color(0xc8, 0x1e, 0x1e), "X");
        break;
      case BoxIcon::None:
        break;
    }
  }

 private:
  void drawGlyph(const char* glyph, Fl_Color colour, int dy) {
    fl_color(colour);
    fl_font(FL_HELVETICA_BOLD, 22);
    fl_draw(glyph, x(), y() + dy, w(), h(), FL_ALIGN_CENTER, nullptr, 0);
  }

  void drawDisc(Fl_Color colour, const char* glyph) {
    fl_color(colour);
    fl_pie(x(), y(), w(), h(), 0.0, 360.0);
    fl_color(FL_BLACK);
    fl_arc(x(), y(), w(), h(), 0.0, 360.0);
    drawGlyph(glyph, FL_WHITE, 0);
  }

  void drawTriangle() {
    const int left = x(), right = x() + w() - 1, top = y() + 1, bottom = y() + h() - 2;
    const int middle = x() + w() / 2;
    fl_color(fl_rgb_color(0xf0, 0xc8, 0x1e));
    fl_polygon(left, bottom, middle, top, right, bottom);
    fl_color(FL_BLACK);
    fl_loop(left, bottom, middle, top, right, bottom);
    drawGlyph("!", FL_BLACK, 4);
  }

  BoxIcon icon_;
};

struct BoxState {
  BoxButtons buttons;
  int answer = kAnswerOk;
  Fl_Window* window = nullptr;
};

void answer(BoxState* state, int value) {
  state->answer = value;
  state->window->hide();
}

void pressYesOrOk(Fl_Widget*, void* data) {
  auto* state = static_cast<BoxState*>(data);
  answer(state, state->buttons == BoxButtons::YesNo ? kAnswerYes : kAnswerOk);
}

void pressNo(Fl_Widget*, void* data) { answer(static_cast<BoxState*>(data), kAnswerNo); }

// Escape answers No (or OK). A window-manager close does the same for an OK box and is ignored
// for a question, which must be answered with a button.
void windowCallback(Fl_Widget*, void* data) {
  auto* state = static_cast<BoxState*>(data);
  const bool closing = Fl::event() == FL_CLOSE;
  if (state->buttons == BoxButtons::YesNo) {
    if (!closing) answer(state, kAnswerNo);
    return;
  }
  answer(state, kAnswerOk);
}

struct Layout {
  int textWidth, textHeight, width, height;
};

Layout measure(const std::string& label) {
  fl_font(kTextFont, kTextSize);
  int w = 0, h = 0;
  fl_measure(label.c_str(), w, h);
  if (w > kTextWrapWidth) {
    w = kTextWrapWidth;
    h = 0;
    fl_measure(label.c_str(), w, h);
  }
  const int buttonsWidth = 2 * kButtonWidth + kButtonGap;
  const int contentHeight = std::max(kIconSize, h);
  w += kLabelInset;
  const int contentWidth = std::max(kIconSize + kMargin + w, buttonsWidth);
  return {w, h, contentWidth + 2 * kMargin, contentHeight + 3 * kMargin + kButtonHeight};
}

void addButtons(BoxState* state, const Layout& layout) {
  const int y = layout.height - kMargin - kButtonHeight;
  if (state->buttons == BoxButtons::Ok) {
    auto* ok = new Fl_Return_Button((layout.width - kButtonWidth) / 2, y, kButtonWidth,
                                    kButtonHeight, "OK");
    ok->callback(pressYesOrOk, state);
    return;
  }
  const int left = (layout.width - 2 * kButtonWidth - kButtonGap) / 2;
  auto* yes = new Fl_Return_Button(left, y, kButtonWidth, kButtonHeight, "&Yes");
  yes->shortcut('y');
  yes->callback(pressYesOrOk, state);
  auto* no = new Fl_Button(left + kButtonWidth + kButtonGap, y, kButtonWidth, kButtonHeight, "&No");
  no->shortcut('n');
  no->callback(pressNo, state);
}

Fl_Window* buildWindow(BoxState* state, const std::string& label, const char* caption,
                       BoxIcon icon) {
  const Layout layout = measure(label);
  auto* window = new Fl_Window(layout.width, layout.height);
  window->copy_label(caption);
  int textLeft = kMargin;
  if (icon != BoxIcon::None) {
    new BoxIconWidget(kMargin, kMargin, icon);
    textLeft += kIconSize + kMargin;
  }
  auto* text =
      new Fl_Box(textLeft, kMargin, layout.textWidth, std::max(kIconSize, layout.textHeight));
  text->copy_label(label.c_str());
  text->labelfont(kTextFont);
  text->labelsize(kTextSize);
  text->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  addButtons(state, layout);
  window->end();
  window->set_modal();
  window->size_range(layout.width, layout.height, layout.width, layout.height);
  window->callback(windowCallback, state);
  int sx = 0, sy = 0, sw = 0, sh = 0;
  Fl::screen_xywh(sx, sy, sw, sh);
  window->position(sx + (sw - layout.width) / 2, sy + (sh - layout.height) / 2);
  return window;
}

}  // namespace

int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
               bool systemModal) {
  // Every box is modal and kept above; a system-modal one needs nothing more on this platform.
  (void)systemModal;
  if (!x11::displayAvailable()) return answerWithoutDisplay(text, caption, buttons);
  stop_signal::watch();
  BoxState state{buttons};
  state.answer = buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
  state.window = buildWindow(&state, x11::literalLabel(text), caption, icon);
  state.window->show();
  x11::keepAbove(state.window);
  while (state.window->shown()) Fl::wait();
  delete state.window;
  Fl::check();
  return state.answer;
}

}  // namespace platform::fltk
