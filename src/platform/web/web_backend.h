// The browser backend's entries of the platform table. The program runs on the page's main
// thread under emscripten's ASYNCIFY: an entry that must wait for the page (a box, the dialog, the
// next animation frame, the fullscreen request, the sound's decoding) suspends the program and
// lets the browser run until the page answers. The page side lives in page/*.js
// (`tamsirelPage`); these files only call it. Only platform_table.cpp and the files of this
// folder include this header.
#pragma once

#include "platform/platform.h"

namespace platform::web {
uint32_t milliseconds();
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
               bool systemModal);
void exitProcess(int status);

bool initWindowing();
bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken);
bool currentDisplayMode(DisplayMode* mode);
void restoreDisplayMode();
void showCursor(bool visible);
Window* createWindow(const char* title, const WindowStyle& style);
bool showWindow(Window* window);
bool destroyWindow(Window* window);
bool peekMessage(WindowMessage* message);

DeviceContext* getDeviceContext(Window* window);
int choosePixelFormat(DeviceContext* dc, const PixelFormat& format);
bool setPixelFormat(DeviceContext* dc, int format);
RenderContext* createContext(DeviceContext* dc);
bool makeCurrent(DeviceContext* dc, RenderContext* rc);
bool deleteContext(RenderContext* rc);
bool releaseDeviceContext(Window* window, DeviceContext* dc);
void swapBuffers(DeviceContext* dc);
bool setSwapInterval(int interval);

bool soundInit(int mixRate, int channels, unsigned flags);
int soundGetError();
SoundSong* musicLoadSong(const char* fileName);
SoundStream* streamOpenMpeg(const char* fileName, unsigned mode);
SoundStream* streamOpenWav(const char* fileName, unsigned mode);
int streamPlay(int channel, SoundStream* stream);
int musicPlaySong(SoundSong* song);

bool fileArrived(const char* fileName);
void awaitFile(const char* fileName);

// The canvas the window draws into, as a CSS selector for the GL context.
const char* canvasSelector(Window* window);
// Whether a page is there to show the dialog, the boxes and the window: false under node, where
// the unit tests run.
bool pageAvailable();
}  // namespace platform::web
