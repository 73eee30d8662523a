// What a new backend provides, as a table that compiles: copy this file into the backend's own
// folder as its platform_table.cpp and replace each entry with the real thing. As it stands it is
// a machine with nothing on it, where every step fails the way the shell expects a step to fail,
// so the program reports a clean error instead of crashing. Besides the table a backend provides
// showDialog and dialogOps (dialog.h), running the dialog's idle work while the viewer thinks,
// and MappedFile (mapped_file.h), handles the system's stop signals where it has them
// (platform.h, beside exitProcess; sdl/stop_signal.cpp), and adds its folder to CMakeLists.txt
// beside the three there are: sdl/ (Linux), win32/ (Windows) and web/ (the browser).
#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

namespace platform::backend_template {

namespace {

// A steady millisecond counter, unsigned 32-bit, wrapping after 49.7 days; the clock and the
// flare subtract its readings unsigned. 0 for ever here: no time passes on this machine.
uint32_t milliseconds() { return 0; }

// A modal box without owner, kept above the demo window. The answer is kAnswerOk, kAnswerYes or
// kAnswerNo; where nothing can be shown, "caption: text" on stderr and the safe answer.
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon, bool) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  return buttons == BoxButtons::YesNo ? kAnswerNo : kAnswerOk;
}

// The runtime's normal exit, so exit handlers run (the display restore and the sound thread's
// shutdown are among them). Must not return.
void exitProcess(int status) { std::exit(status); }

// The window class, or whatever the windowing system needs once before the first window.
bool initWindowing() { return false; }

// Switch now where the system can; where it switches only through a fullscreen window, check the
// mode is offered and switch in showWindow.
bool switchDisplayMode(const DisplayMode&, DisplayMode*) { return false; }

// The primary display's current mode: it places the setup dialog.
bool currentDisplayMode(DisplayMode*) { return false; }

// Back to the desktop's mode; safe to call twice and when nothing was switched.
void restoreDisplayMode() {}

void showCursor(bool) {}

// Hidden, top-left corner at (0, 0), outer size style.width x style.height, made for
// style.pixelFormat; fullscreen: borderless over the display.
Window* createWindow(const char*, const WindowStyle&) { return nullptr; }

// Show, raise, focus; deliver the window's Size message with the client size.
bool showWindow(Window*) { return false; }

bool destroyWindow(Window*) { return false; }

// The GL steps, each tested by the shell in turn with its own failure box.
DeviceContext* getDeviceContext(Window*) { return nullptr; }
int choosePixelFormat(DeviceContext*, const PixelFormat&) { return 0; }
bool setPixelFormat(DeviceContext*, int) { return false; }
RenderContext* createContext(DeviceContext*) { return nullptr; }
bool makeCurrent(DeviceContext*, RenderContext*) { return false; }
bool deleteContext(RenderContext*) { return false; }
bool releaseDeviceContext(Window*, DeviceContext*) { return false; }

// Present the back buffer; the clock calls it once per frame.
void swapBuffers(DeviceContext*) {}

// Where the driver lets the program choose, make swapBuffers wait for the display's vertical
// blank (interval 1) or not (0), on the context made current last. False where it cannot: the
// demo then presents as fast as it draws. A backend whose present already waits for the
// display's next frame has nothing to ask and returns true.
bool setSwapInterval(int) { return false; }

// Never waits. Translates the system's events into WindowMessages (one system event may give
// two messages: queue the second), handles everything else itself, and keeps the screen saver
// and monitor power-saving from starting.
bool peekMessage(WindowMessage*) { return false; }

// Sound: the error codes of platform.h (kSoundFileNotFound for a missing file,
// kSoundUnknownFormat for one the call cannot decode), soundGetError giving the last one. A
// started stream plays on its own until the process ends.
bool soundInit(int, int, unsigned) { return false; }
int soundGetError() { return kSoundInitError; }
SoundSong* musicLoadSong(const char*) { return nullptr; }
SoundStream* streamOpenMpeg(const char*, unsigned) { return nullptr; }
SoundStream* streamOpenWav(const char*, unsigned) { return nullptr; }
int streamPlay(int, SoundStream*) { return -1; }
int musicPlaySong(SoundSong*) { return -1; }

}  // namespace

// Every entry, in the contract's order; a new entry in platform.h stops this from compiling
// until the template, and so every backend copied from it, has it too.
const Platform& table() {
  static_assert(sizeof(Platform) == 30 * sizeof(void*), "add the new entry to the template");
  static const Platform p{
      .milliseconds = milliseconds,
      .messageBox = messageBox,
      .exitProcess = exitProcess,
      .initWindowing = initWindowing,
      .switchDisplayMode = switchDisplayMode,
      .currentDisplayMode = currentDisplayMode,
      .restoreDisplayMode = restoreDisplayMode,
      .showCursor = showCursor,
      .createWindow = createWindow,
      .showWindow = showWindow,
      .destroyWindow = destroyWindow,
      .getDeviceContext = getDeviceContext,
      .choosePixelFormat = choosePixelFormat,
      .setPixelFormat = setPixelFormat,
      .createContext = createContext,
      .makeCurrent = makeCurrent,
      .deleteContext = deleteContext,
      .releaseDeviceContext = releaseDeviceContext,
      .swapBuffers = swapBuffers,
      .setSwapInterval = setSwapInterval,
      .peekMessage = peekMessage,
      .soundInit = soundInit,
      .soundGetError = soundGetError,
      .musicLoadSong = musicLoadSong,
      .streamOpenMpeg = streamOpenMpeg,
      .streamOpenWav = streamOpenWav,
      .streamPlay = streamPlay,
      .musicPlaySong = musicPlaySong,
      // Every file of the pack is on this machine's disk from the start.
      .fileArrived = fileOnDisk,
      .awaitFile = fileOnDiskAwait,
  };
  return p;
}

}  // namespace platform::backend_template
