// Dialog units, groups and keyboard navigation of a dialog template, with no toolkit involved.
// Not here: widgets, drawing and the events that call these rules.
#include "platform/dialog_layout.h"

#include <cmath>

namespace platform {

namespace {

constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

int scale(int units, double pixelsPerUnit) {
  return static_cast<int>(std::lround(units * pixelsPerUnit));
}

int wrap(int index, int count) { return ((index % count) + count) % count; }

bool isPushButton(const DialogControl& control) {
  return control.kind == ControlKind::PushButton || control.kind == ControlKind::DefaultPushButton;
}

}  // namespace

DialogRect toPixels(const DialogRect& units, const FontMetrics& font) {
  const double across = font.averageCharWidth / 4.0;
  const double down = font.height / 8.0;
  return {scale(units.x, across), scale(units.y, down), scale(units.width, across),
          scale(units.height, down)};
}

int fontPixels(int points) {
  return static_cast<int>(std::lround(points * static_cast<double>(kDotsPerInch) / kPointsPerInch));
}

int groupOf(std::span<const DialogControl> controls, int index) {
  int group = 0;
  for (int i = 1; i <= index; ++i) {
    if ((controls[i].styles & kStyleGroup) != 0) ++group;
  }
  return group;
}

bool takesFocus(const DialogControl& control) {
  return control.kind != ControlKind::GroupBox && (control.styles & kStyleDisabled) == 0;
}

bool holdsCheck(ControlKind kind) {
  return kind == ControlKind::AutoRadioButton || kind == ControlKind::AutoCheckBox;
}

int nextTabStop(std::span<const DialogControl> controls, int from, int step) {
  const int count = static_cast<int>(controls.size());
  int index = from < 0 && step < 0 ? count : from;
  for (int n = 0; n < count; ++n) {
    index = wrap(index + step, count);
    const DialogControl& c = controls[index];
    if ((c.styles & kStyleTabStop) != 0 && takesFocus(c)) return index;
  }
  return from;
}

int nextInGroup(std::span<const DialogControl> controls, int from, int step) {
  if (from < 0) return from;
  const int count = static_cast<int>(controls.size());
  const int group = groupOf(controls, from);
  int index = from;
  for (int n = 1; n < count; ++n) {
    index = wrap(index + step, count);
    if (groupOf(controls, index) == group && takesFocus(controls[index])) return index;
  }
  return from;
}

int enterCommand(std::span<const DialogControl> controls, int focused) {
  if (focused >= 0 && isPushButton(controls[focused])) return controls[focused].id;
  for (const DialogControl& c : controls) {
    if (c.kind == ControlKind::DefaultPushButton) return c.id;
  }
  return kCommandOk;
}

}  // namespace platform
