// The entries of the Win32 platform table, one group per implementation file, and the few facts
// those files share. Only this folder includes it.
#pragma once

#include "platform/platform.h"

namespace platform::win32 {

// timer.cpp
uint32_t milliseconds();

// message_box.cpp
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
               bool systemModal);

// display_mode.cpp
bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken);
bool currentDisplayMode(DisplayMode* mode);
void restoreDisplayMode();
void showCursor(bool visible);

// window.cpp
bool initWindowing();
Window* createWindow(const char* title, const WindowStyle& style);
bool showWindow(Window* window);
bool destroyWindow(Window* window);
bool peekMessage(WindowMessage* message);

// gl_context.cpp
DeviceContext* getDeviceContext(Window* window);
int choosePixelFormat(DeviceContext* dc, const PixelFormat& format);
bool setPixelFormat(DeviceContext* dc, int format);
RenderContext* createContext(DeviceContext* dc);
bool makeCurrent(DeviceContext* dc, RenderContext* rc);
bool deleteContext(RenderContext* rc);
bool releaseDeviceContext(Window* window, DeviceContext* dc);
void swapBuffers(DeviceContext* dc);
bool setSwapInterval(int interval);

// sound_library.cpp
bool soundInit(int mixRate, int channels, unsigned flags);
int soundGetError();
SoundSong* musicLoadSong(const char* fileName);
SoundStream* streamOpenMpeg(const char* fileName, unsigned mode);
SoundStream* streamOpenWav(const char* fileName, unsigned mode);
int streamPlay(int channel, SoundStream* stream);
int musicPlaySong(SoundSong* song);

}  // namespace platform::win32
