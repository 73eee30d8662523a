// The numbers the program and the page (page/*.js) exchange, written once. The build turns every
// `constexpr int kName = value;` line of this file into `name: value` of the page's module
// protocol.js (cmake/page_protocol_js.cmake), which the page's scripts import; so a value is
// changed here and nowhere else, and only as a plain number.
#pragma once

#include "platform/platform.h"

namespace platform::web::protocol {

// A window message from the page's queue, packed in one int: the kind from bit
// kMessageKindShift, then for a size the width from bit kMessageWidthShift and the height from
// bit 0 (each within kMessageSideMask), for a key its code (within kMessageKeyMask), for an
// activation 1 when the page was hidden. 0: nothing waits.
constexpr int kMessageSize = 1;
constexpr int kMessageActivate = 2;
constexpr int kMessageClose = 3;
constexpr int kMessageKey = 4;
constexpr int kMessageKindShift = 28;
constexpr int kMessageWidthShift = 14;
constexpr int kMessageSideMask = 16383;
constexpr int kMessageKeyMask = 65535;

// What the dialog reports, packed in one int: the kind from bit kEventKindShift, the focused
// control's index plus one from bit kEventFocusShift, the modifier keys from bit
// kEventModifiersShift and a control's index or a key's code (the DOM's keyCode) from bit 0.
constexpr int kEventActivated = 1;  // a control was clicked, or pressed with the space bar
constexpr int kEventKey = 2;        // a key the dialog manager handles
constexpr int kEventKindShift = 28;
constexpr int kEventFocusShift = 20;
constexpr int kEventModifiersShift = 16;
constexpr int kModifierShift = 1;
constexpr int kModifierAlt = 2;
constexpr int kModifierCtrl = 4;
constexpr int kModifierMeta = 8;
// The keys a dialog manager handles, as the DOM's keyCode gives them.
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// A dialog control's kind as the page draws it.
constexpr int kControlDefaultButton = 0;
constexpr int kControlButton = 1;
constexpr int kControlGroup = 2;
constexpr int kControlRadio = 3;
constexpr int kControlCheck = 4;

// A message box: its buttons, its icon, and the answer it resolves with.
constexpr int kButtonsOk = 0;
constexpr int kButtonsYesNo = 1;
constexpr int kIconNone = 0;
constexpr int kIconInformation = 1;
constexpr int kIconExclamation = 2;
constexpr int kIconStop = 3;
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
static_assert(kAnswerOk == platform::kAnswerOk && kAnswerYes == platform::kAnswerYes &&
              kAnswerNo == platform::kAnswerNo);
static_assert(kKeyEscape == platform::kKeyEscape);

// What playing the soundtrack came to: started; refused (no audio); the file never arrived
// (the host lacks it, the link broke); the browser could not decode it.
constexpr int kPlayRefused = 0;
constexpr int kPlayStarted = 1;
constexpr int kPlayFileMissing = 2;
constexpr int kPlayUndecodable = 3;

// The WebGL context as the page finds it when a frame has been shown: current, lost and awaiting
// the browser, restored since the last frame, or lost for good.
constexpr int kContextCurrent = 0;
constexpr int kContextLost = 1;
constexpr int kContextRestored = 2;
constexpr int kContextGivenUp = 3;

}  // namespace platform::web::protocol
