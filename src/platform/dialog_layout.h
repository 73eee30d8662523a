// What a dialog template means apart from any toolkit: dialog units to pixels, which controls
// form a group, where Tab and the arrow keys move the focus, which command Enter sends. The
// toolkit file builds and drives its widgets from these answers. Not here: drawing and events.
#pragma once

#include <span>

#include "platform/dialog.h"

namespace platform {

// The dialog font's real measurements in pixels.
struct FontMetrics {
  double averageCharWidth = 0.0;
  double height = 0.0;
};

// Across: a quarter of the average character width per unit; down: an eighth of the height.
// Each of x, y, width and height is rounded on its own, as the original dialog manager does.
DialogRect toPixels(const DialogRect& units, const FontMetrics& font);

// The point size at 96 dots per inch, in pixels.
int fontPixels(int points);

// Index of the group `index` belongs to: a group starts at the first control and at every
// control with kStyleGroup.
int groupOf(std::span<const DialogControl> controls, int index);

// Whether the control can hold the focus: enabled and not a group box.
bool takesFocus(const DialogControl& control);

// Whether the control keeps a check (an auto radio button or check box) that the procedure may set.
bool holdsCheck(ControlKind kind);

// Tab (step +1) and Shift+Tab (step -1): the next enabled tab stop in that direction, wrapping
// around; `from` itself when there is no other one. `from` may be -1 (nothing has the focus).
int nextTabStop(std::span<const DialogControl> controls, int from, int step);

// Arrow keys: the next control of `from`'s group that can hold the focus, wrapping within the
// group; `from` itself when it is alone.
int nextInGroup(std::span<const DialogControl> controls, int from, int step);

// The command Enter sends: the focused push button's id, otherwise the default button's id, or
// kCommandOk when the template has no default button. `focused` may be -1.
int enterCommand(std::span<const DialogControl> controls, int focused);

}  // namespace platform
