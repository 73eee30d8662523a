// The one interface between the program and the machine: the millisecond counter, message boxes,
// the window with its GL context and events, display modes, process exit, sound output and the
// arrival of the asset pack's files.
// Everything goes through one table of plain function pointers, so a test or the capture tool can
// replace any entry (a manual clock, a recording message box, a failing window). Each backend
// fills the table in a folder of its own: sdl/ on Linux, win32/ on Windows, web/ in the browser;
// backend_template.cpp lists what a new one must provide. Not here: the setup dialog toolkit
// (dialog.h), file mapping (mapped_file.h) and GL drawing itself, which the scenes do directly.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace platform {

struct Window;         // the demo's one top-level window
struct DeviceContext;  // what presents a window's back buffer
struct RenderContext;  // a GL rendering context
struct SoundStream;    // an opened MPEG or WAV stream
struct SoundSong;      // a loaded tracker module

// ---------------------------------------------------------------------------------------------
// Message boxes
enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Information, Exclamation, Stop };
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// ---------------------------------------------------------------------------------------------
// Display modes and the window
struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

// Pixel format request: double-buffered RGBA with at least these colour and depth bits.
struct PixelFormat {
  int colorBits = 16;
  int depthBits = 16;
};

struct WindowStyle {
  int width = 0;  // outer size in pixels (no room is added for a frame or a caption)
  int height = 0;
  bool fullscreen = false;  // a borderless window covering the display in `mode`
  DisplayMode mode;         // the display mode a fullscreen window runs in
  PixelFormat pixelFormat;  // the GL buffers the window is made for
};

// Window messages, already translated from the toolkit's events into the demo's terms. The
// backend gives every other event its default handling itself, and keeps the screen saver and
// monitor power-saving from starting while the demo window exists.
enum class MessageKind {
  Size,      // width, height: new client size; height 0 when minimised
  Activate,  // minimised: 1 when the window was minimised, 0 when it became active
  Close,     // the close box or the window manager's close
  KeyDown,   // key: kKeyEscape or another key's code
  Other,     // anything else (exposure, focus, mouse); already handled by the backend
};
constexpr int kKeyEscape = 27;

struct WindowMessage {
  MessageKind kind = MessageKind::Other;
  int width = 0;
  int height = 0;
  int minimised = 0;
  int key = 0;
};

// ---------------------------------------------------------------------------------------------
// Sound output, with the error codes of the sound library the music player was written for
// (9 file not found, 10 unknown file format, 3 output device error, ...).
constexpr int kSoundNoError = 0;
constexpr int kSoundAlreadyInitialised = 1;
constexpr int kSoundNotInitialised = 2;
constexpr int kSoundInitError = 3;
constexpr int kSoundPlayError = 5;
constexpr int kSoundFileNotFound = 9;
constexpr int kSoundUnknownFormat = 10;
constexpr int kSoundFileLoadError = 11;
constexpr int kSoundNoMemory = 12;
constexpr int kSoundInvalidParameter = 15;

// ---------------------------------------------------------------------------------------------
// The table. Every entry is always set; `real()` fills it with this machine's implementation.
struct Platform {
  // Milliseconds since an arbitrary origin, unsigned 32-bit, wrapping after 49.7 days.
  uint32_t (*milliseconds)();

  // A modal message box without owner; returns kAnswerOk, kAnswerYes or kAnswerNo. Where no box
  // can be shown, the caption and text go to standard error and the answer is kAnswerNo for a
  // question, kAnswerOk otherwise.
  int (*messageBox)(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
                    bool systemModal);

  // Ends the process with `status` and must not return (call it through exitProcess below).
  // A stop asked from outside (SIGINT, SIGTERM where the system sends them) is the backend's own
  // business, not an entry: once the dialog, a box or the window is shown, one ends the process
  // promptly at any moment, after giving a switched display mode back, as ended by that signal.
  void (*exitProcess)(int status);

  // Start of the windowing system (the window class); false on failure.
  bool (*initWindowing)();
  // The fullscreen display switch: `wanted`'s resolution at its depth where the display offers
  // it, otherwise the closest depth at that resolution; `taken` receives the mode used. False
  // when the display refuses. A backend that can change the mode only through a fullscreen
  // window checks here that the display offers it, and switches when that window is shown.
  bool (*switchDisplayMode)(const DisplayMode& wanted, DisplayMode* taken);
  // The current desktop mode of the primary display.
  bool (*currentDisplayMode)(DisplayMode* mode);
  // Puts the display back in the mode the desktop had before the demo (no-op when unchanged).
  void (*restoreDisplayMode)();
  void (*showCursor)(bool visible);

  // A hidden window with `title` and `style`; nullptr on failure.
  Window* (*createWindow)(const char* title, const WindowStyle& style);
  // Shows, raises and focuses the window. False when a fullscreen window could not take its
  // display mode (the window is then shown unswitched and the display is as it was).
  bool (*showWindow)(Window* window);
  bool (*destroyWindow)(Window* window);

  // The GL set-up steps, each tested by the caller in turn.
  DeviceContext* (*getDeviceContext)(Window* window);
  int (*choosePixelFormat)(DeviceContext* dc, const PixelFormat& format);  // 0: nothing fits
  bool (*setPixelFormat)(DeviceContext* dc, int format);
  RenderContext* (*createContext)(DeviceContext* dc);
  bool (*makeCurrent)(DeviceContext* dc, RenderContext* rc);  // (nullptr, nullptr) releases
  bool (*deleteContext)(RenderContext* rc);
  bool (*releaseDeviceContext)(Window* window, DeviceContext* dc);

  // Presents the back buffer of `dc` (the capture tool reads the frame back here instead).
  void (*swapBuffers)(DeviceContext* dc);
  // Asks the driver of the current rendering context to hold each swapBuffers until the
  // display's next vertical blank (`interval` 1), or to present at once (0). The demo asks for
  // 1 right after its context is made current, so it draws no more frames than the display
  // shows. False where the driver offers no such control or refuses: swapBuffers then presents
  // as it did before the call, and the caller carries on.
  bool (*setSwapInterval)(int interval);

  // Takes the next waiting window message without waiting; false when none is waiting.
  bool (*peekMessage)(WindowMessage* message);

  // Sound output: the calls of the sound library the music player was written for.
  bool (*soundInit)(int mixRate, int channels, unsigned flags);
  int (*soundGetError)();
  SoundSong* (*musicLoadSong)(const char* fileName);
  SoundStream* (*streamOpenMpeg)(const char* fileName, unsigned mode);
  SoundStream* (*streamOpenWav)(const char* fileName, unsigned mode);
  int (*streamPlay)(int channel, SoundStream* stream);  // the channel used, -1 on failure
  int (*musicPlaySong)(SoundSong* song);                // -1 on failure

  // The asset pack's files, read by bare name. On a disk every file is there from the start; in
  // a page they arrive over the network while the program runs. `fileArrived`: whether
  // `fileName` can be read now, or never will be (a file that failed to arrive reads as
  // missing); asking also says the program wants it soon. `awaitFile`: returns once fileArrived
  // would say so, the program waiting meanwhile (the last frame stays up).
  bool (*fileArrived)(const char* fileName);
  void (*awaitFile)(const char* fileName);
};

// The entries of a machine whose files are all on its disk.
bool fileOnDisk(const char* fileName);
void fileOnDiskAwait(const char* fileName);

// The table in force. Starts as `real()`; tests and the capture tool replace entries.
Platform& current();
// This machine's implementation.
const Platform& real();

// Shorthand for the counter every timer of the program reads.
inline uint32_t milliseconds() { return current().milliseconds(); }

// Ends the process through the table's entry. An entry that returns (none should) still ends it.
[[noreturn]] inline void exitProcess(int status) {
  current().exitProcess(status);
  std::abort();
}

}  // namespace platform
