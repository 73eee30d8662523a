// Message boxes as modal boxes of the page, with the caption, the classic icon, the text (its
// line breaks kept) and OK or Yes/No; the program waits for the answer. Where no page is there
// (the unit tests under node) the caption and text go to standard error instead.
#include <emscripten.h>

#include <cstdio>

#include "platform/web/web_backend.h"

namespace platform::web {

namespace {

// buttons: 0 OK, 1 Yes/No; icon: 0 none, 1 information, 2 exclamation, 3 stop.
EM_ASYNC_JS(int, pageMessageBox, (const char* text, const char* caption, int buttons, int icon), {
  return await tamsirelPage.messageBox(UTF8ToString(text), UTF8ToString(caption), buttons, icon);
});

int iconCode(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return 0;
    case BoxIcon::Information:
      return 1;
    case BoxIcon::Exclamation:
      return 2;
    case BoxIcon::Stop:
      return 3;
  }
  return 0;
}

}  // namespace

// Every box is modal over the whole page; a system-modal one needs nothing more here.
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon, bool) {
  if (!pageAvailable()) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
  }
  const int answer =
      pageMessageBox(text, caption, buttons == BoxButtons::YesNo ? 1 : 0, iconCode(icon));
  if (buttons == BoxButtons::Ok) return kAnswerOk;
  return answer == kAnswerYes ? kAnswerYes : kAnswerNo;
}

}  // namespace platform::web
