// SIGINT and SIGTERM, a stop asked from outside (Ctrl+C in the terminal, a logout, `kill`, a
// service manager): once the program waits on the viewer they end it at any moment, the dialog
// and every box included, with the display mode given back first and the signal's own death as
// the status. Only the files of this folder use it.
#pragma once

namespace platform::stop_signal {

// SDL would turn the signals into a quit event that nobody reads while a dialog or a box is up;
// it installs no handlers of its own once this has run. Call before every SDL_InitSubSystem.
void keepSdlHandlersOff();

// Takes over both signals (once; a signal the program was started with ignored stays ignored).
// From then on a signal ends the process where the main thread next looks: in the toolkit's
// modal loops, which the signal wakes, in every poll of the window's messages, and at the exit.
// Called where the program starts to wait on the viewer: the dialog, a box, the shown window.
void watch();

// Ends the process now if a signal came: the display mode back, then death by that signal.
void endIfStopped();

}  // namespace platform::stop_signal
