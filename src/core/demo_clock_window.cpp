// The clock's window operations: taking over the window's device context for the frame swap,
// following the window's size, and giving the display and the GL objects back at shutdown.
// Not here: creating the window or its context (the shell's start-up does that).
#include "core/demo_clock.h"

namespace {

void shutdownBox(const char* text) {
  platform::current().messageBox(text, "SHUTDOWN ERROR", platform::BoxButtons::Ok,
                                 platform::BoxIcon::Information, false);
}

}  // namespace

// The context made at start-up stays current and is the one shutdown releases: a second context
// on a window whose pixel format is already fixed would add nothing.
int DemoClock::attachWindow(platform::Window* window, platform::DeviceContext** deviceContextSlot,
                            platform::RenderContext** renderContextSlot) {
  (void)renderContextSlot;
  if (*deviceContextSlot == nullptr)
    *deviceContextSlot = platform::current().getDeviceContext(window);
  deviceContext = *deviceContextSlot;
  return 1;
}

// A minimised window reports height 0; the last real size is kept for the scenes' projections.
// A window's client area is its picture, and the scenes follow its size. Fullscreen, they keep
// the chosen resolution: where the surface has another size (a compositor that fakes the mode
// switch and hands over the whole screen, a display that gave another mode) the chosen picture
// keeps its shape in the middle of it.
void DemoClock::resize(int newWidth, int newHeight) {
  if (newHeight == 0) return;
  if (fullscreen == 0) {
    width = newWidth;
    height = newHeight;
    letterbox.fill(newWidth, newHeight);
  } else {
    letterbox.fitOn(newWidth, newHeight);
  }
  letterbox.useViewport();
}

// Each release is tried even when an earlier one failed; a failure is reported and passed over.
void DemoClock::shutdown(platform::Window* window, platform::DeviceContext* dc,
                         platform::RenderContext* rc) {
  platform::Platform& p = platform::current();
  if (fullscreen != 0) {
    p.restoreDisplayMode();
    p.showCursor(true);
  }
  if (rc != nullptr) {
    if (!p.makeCurrent(nullptr, nullptr)) shutdownBox("Release Of DC And RC Failed.");
    if (!p.deleteContext(rc)) shutdownBox("Release Rendering Context Failed.");
  }
  if (dc != nullptr) {
    if (!p.releaseDeviceContext(window, dc)) shutdownBox("Release Device Context Failed.");
    if (dc == deviceContext) deviceContext = nullptr;
  }
  if (window != nullptr && !p.destroyWindow(window)) shutdownBox("Could Not Release hWnd.");
}
