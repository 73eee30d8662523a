// This machine's platform table on Windows: the Win32 API for the window, its WGL context, the
// display modes, the message boxes and the counter; libmpg123 and waveOut for sound.
#include <cstdlib>

#include "platform/win32/win32_backend.h"

namespace platform {

namespace {

[[noreturn]] void exitProcess(int status) { std::exit(status); }

void showWindowEntry(Window* window) { win32::showWindow(window); }

Platform makeReal() {
  Platform p{};
  p.milliseconds = win32::milliseconds;
  p.messageBox = win32::messageBox;
  p.exitProcess = exitProcess;
  p.initWindowing = win32::initWindowing;
  p.findDisplayMode = win32::switchDisplayMode;
  p.currentDisplayMode = win32::currentDisplayMode;
  p.restoreDisplayMode = win32::restoreDisplayMode;
  p.showCursor = win32::showCursor;
  p.createWindow = win32::createWindow;
  p.showWindow = showWindowEntry;
  p.destroyWindow = win32::destroyWindow;
  p.getDeviceContext = win32::getDeviceContext;
  p.choosePixelFormat = win32::choosePixelFormat;
  p.setPixelFormat = win32::setPixelFormat;
  p.createContext = win32::createContext;
  p.makeCurrent = win32::makeCurrent;
  p.deleteContext = win32::deleteContext;
  p.releaseDeviceContext = win32::releaseDeviceContext;
  p.swapBuffers = win32::swapBuffers;
  p.peekMessage = win32::peekMessage;
  p.soundInit = win32::soundInit;
  p.soundGetError = win32::soundGetError;
  p.musicLoadSong = win32::musicLoadSong;
  p.streamOpenMpeg = win32::streamOpenMpeg;
  p.streamOpenWav = win32::streamOpenWav;
  p.streamPlay = win32::streamPlay;
  p.musicPlaySong = win32::musicPlaySong;
  return p;
}

}  // namespace

const Platform& real() {
  static const Platform table = makeReal();
  return table;
}

Platform& current() {
  static Platform table = real();
  return table;
}

}  // namespace platform
