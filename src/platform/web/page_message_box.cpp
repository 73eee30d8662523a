// Message boxes as modal boxes of the page, with the caption, the classic icon, the text (its
// line breaks kept) and OK or Yes/No; the program waits for the answer. Where no page is there
// (the unit tests under node) the caption and text go to standard error instead.
#include <emscripten.h>

#include <cstdio>

#include "platform/web/page_protocol.h"
#include "platform/web/web_backend.h"

namespace platform::web {

namespace {

using namespace protocol;

// buttons: protocol's kButtons*; icon: its kIcon*. The answer is its kAnswer*.
EM_ASYNC_JS(int, pageMessageBox, (const char* text, const char* caption, int buttons, int icon), {
  return await tamsirelPage.messageBox(UTF8ToString(text), UTF8ToString(caption), buttons, icon);
});

int iconCode(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return kIconNone;
    case BoxIcon::Information:
      return kIconInformation;
    case BoxIcon::Exclamation:
      return kIconExclamation;
    case BoxIcon::Stop:
      return kIconStop;
  }
  return kIconNone;
}

}  // namespace

// Every box is modal over the whole page; a system-modal one needs nothing more here.
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon, bool) {
  if (!pageAvailable()) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
  }
  const int answer =
      pageMessageBox(text, caption, buttons == BoxButtons::YesNo ? kButtonsYesNo : kButtonsOk,
                     iconCode(icon));
  if (buttons == BoxButtons::Ok) return platform::kAnswerOk;
  return answer == kAnswerYes ? platform::kAnswerYes : platform::kAnswerNo;
}

}  // namespace platform::web
