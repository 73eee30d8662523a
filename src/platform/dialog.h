// The dialog toolkit: a modal dialog built from a template held as data (caption, font, controls
// with dialog-unit rectangles and styles) and driven by a dialog procedure that receives the
// opening and command messages. The operations a procedure calls go through a replaceable table,
// so a procedure can be tested without a display. Not here: message boxes (platform.h).
#pragma once

#include <cstdint>
#include <span>

namespace platform {

struct Dialog;  // one dialog while it is shown

// ---------------------------------------------------------------------------------------------
// The template. Rectangles are in dialog units: a quarter of the dialog font's average character
// width across, an eighth of its height down.
enum class ControlKind { DefaultPushButton, PushButton, GroupBox, AutoRadioButton, AutoCheckBox };

// Control styles beyond "child, visible", which every control has.
constexpr unsigned kStyleTabStop = 1u << 0;   // reached with Tab
constexpr unsigned kStyleGroup = 1u << 1;     // starts a group: radio buttons and arrow keys
constexpr unsigned kStyleDisabled = 1u << 2;  // shown greyed, takes no input

constexpr int kNoControlId = -1;  // a control that sends no commands (a group box)

struct DialogRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const DialogRect&) const = default;
};

struct DialogControl {
  int id;
  ControlKind kind;
  const char* text;  // '&' marks the mnemonic letter
  DialogRect rect;
  unsigned styles;
};

struct DialogFont {
  const char* face;
  int points;
  int weight;  // 400 is normal
  bool italic;
  int charset;
};

struct DialogTemplate {
  int resourceId;
  int language;
  const char* caption;
  DialogFont font;
  DialogRect rect;                          // position on the screen and size
  bool systemMenu;                          // without it the dialog has no close box
  std::span<const DialogControl> controls;  // in creation order, which is also the tab order
};

// ---------------------------------------------------------------------------------------------
// Messages to a dialog procedure and the values it sends back.
constexpr unsigned kDialogInit = 272;     // the dialog is built, not shown yet
constexpr unsigned kDialogCommand = 273;  // low word of wParam: the control id
constexpr int kButtonChecked = 1;
constexpr int kButtonUnchecked = 0;
constexpr int kCommandOk = 1;      // Enter, when no other push button has the focus
constexpr int kCommandCancel = 2;  // Escape

// Returns 1 for a message it handled, 0 otherwise.
using DialogProc = int (*)(Dialog* dialog, unsigned message, uintptr_t wParam, intptr_t lParam);

inline int commandId(uintptr_t wParam) { return static_cast<int>(wParam & 0xffffu); }

// What a dialog procedure may do to its dialog. Every entry is always set.
struct DialogOps {
  // Ticks (kButtonChecked) or clears a radio button or check box; other buttons keep theirs.
  void (*setButtonCheck)(Dialog* dialog, int controlId, int state);
  // Moves the dialog's outer top-left corner to (x, y) in screen pixels, size unchanged, and keeps
  // it above all other windows.
  void (*placeTopmost)(Dialog* dialog, int x, int y);
  // Closes the dialog once the procedure returns; showDialog then returns `result`.
  void (*endDialog)(Dialog* dialog, int result);
};

// The table in force; starts as the real toolkit's, tests replace entries.
DialogOps& dialogOps();

constexpr int kDialogNotShown = -1;

// Work for the time a dialog waits for the viewer, in small pieces: while a dialog is up, the
// toolkit calls `work` between the viewer's events for as long as it answers true, so that the
// dialog answers the viewer between any two pieces. nullptr: none (the start).
void setDialogIdleWork(bool (*work)());
// For the toolkits: runs one piece of that work; false when none is left or none was given.
bool dialogIdleWork();

// Builds the dialog from `dialogTemplate`, sends kDialogInit to `proc`, shows it and runs it
// modally until the procedure ends it. Returns the result given to endDialog, or kDialogNotShown
// (after writing the reason to standard error) when no dialog can be shown.
int showDialog(const DialogTemplate& dialogTemplate, DialogProc proc);

}  // namespace platform
