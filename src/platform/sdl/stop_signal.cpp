// The handler only notes the signal and writes a byte down a pipe, the two things a handler may
// safely do on whichever thread it lands. Everything else runs on the main thread: FLTK watches
// the pipe's reading end, so a dialog or a box waiting in Fl::wait wakes at once; the demo's
// message loop reads the note at every poll. Ending then means giving the display mode back and
// dying of the signal with its default action, so the parent's wait status says "terminated by
// SIGTERM" (143 in a shell, 130 for SIGINT) and a script that ran the demo stops as after any
// Ctrl+C. The window and the GL context go with the process.
#include "platform/sdl/stop_signal.h"

#include <FL/Fl.H>
#include <SDL.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include "platform/sdl/sdl_backend.h"

namespace platform::stop_signal {

namespace {

// Written by the handler on whichever thread the signal lands (SDL's audio thread, the decoding
// worker), read on the main thread: an atomic, which a handler may touch when it is lock-free.
std::atomic<int> stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);
int wakeWrite = -1;

void noteSignal(int number) {
  const int savedErrno = errno;
  stopSignal.store(number);
  const char byte = 0;
  // A full pipe is already readable: the byte that did not fit is not needed.
  [[maybe_unused]] const ssize_t written = write(wakeWrite, &byte, 1);
  errno = savedErrno;
}

void onWake(int fd, void*) {
  char bytes[64];
  while (read(fd, bytes, sizeof bytes) > 0) {
  }
  endIfStopped();
}

void takeOver(int number) {
  struct sigaction current {};
  if (sigaction(number, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = noteSignal;
  sigemptyset(&action.sa_mask);
  // A read or write the signal lands in goes on afterwards instead of failing with EINTR.
  action.sa_flags = SA_RESTART;
  sigaction(number, &action, nullptr);
}

[[noreturn]] void dieOf(int number) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(number, &action, nullptr);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, number);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  raise(number);
  _exit(128 + number);  // only if the default action did not end the process
}

}  // namespace

void keepSdlHandlersOff() {
  SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
}

void watch() {
  static bool watching = false;
  if (watching) return;
  watching = true;
  int ends[2];
  // Without the pipe the signals keep their default action: they still end the program, only
  // without giving a switched display mode back.
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  wakeWrite = ends[1];
  Fl::add_fd(ends[0], FL_READ, onWake);
  // A signal that comes after the last poll (during shutdown, after a fatal box) still decides
  // the status.
  std::atexit(endIfStopped);
  takeOver(SIGINT);
  takeOver(SIGTERM);
}

void endIfStopped() {
  const int number = stopSignal.load();
  if (number == 0) return;
  sdl::restoreDisplayMode();
  dieOf(number);
}

}  // namespace platform::stop_signal
