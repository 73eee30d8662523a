// The Linux backend's entries of the platform table, one group per library: SDL2 for the window,
// events, display modes and the counter, FLTK for message boxes, SDL2_mixer for sound. Only
// platform_table.cpp and the files of this folder include this header.
#pragma once

#include "platform/platform.h"

namespace platform::sdl {
uint32_t milliseconds();
bool initWindowing();
bool switchDisplayMode(const DisplayMode& wanted, DisplayMode* taken);
bool currentDisplayMode(DisplayMode* mode);
void restoreDisplayMode();
void showCursor(bool visible);
Window* createWindow(const char* title, const WindowStyle& style);
bool showWindow(Window* window);
bool destroyWindow(Window* window);
DeviceContext* getDeviceContext(Window* window);
int choosePixelFormat(DeviceContext* dc, const PixelFormat& format);
bool setPixelFormat(DeviceContext* dc, int format);
RenderContext* createContext(DeviceContext* dc);
bool makeCurrent(DeviceContext* dc, RenderContext* rc);
bool deleteContext(RenderContext* rc);
bool releaseDeviceContext(Window* window, DeviceContext* dc);
void swapBuffers(DeviceContext* dc);
bool setSwapInterval(int interval);
bool peekMessage(WindowMessage* message);
}  // namespace platform::sdl

namespace platform::fltk {
int messageBox(const char* text, const char* caption, BoxButtons buttons, BoxIcon icon,
               bool systemModal);
}  // namespace platform::fltk

namespace platform::mixer {
bool soundInit(int mixRate, int channels, unsigned flags);
int soundGetError();
SoundSong* musicLoadSong(const char* fileName);
SoundStream* streamOpenMpeg(const char* fileName, unsigned mode);
SoundStream* streamOpenWav(const char* fileName, unsigned mode);
int streamPlay(int channel, SoundStream* stream);
int musicPlaySong(SoundSong* song);
}  // namespace platform::mixer

namespace platform::process {
void exitProcess(int status);
}  // namespace platform::process
