// The Windows backend's platform table: the Win32 API for the window, its WGL context, the
// display modes, the message boxes and the counter; libmpg123 and waveOut for sound.
#include <cstdlib>

#include "platform/win32/win32_backend.h"

namespace platform {

namespace {

// The runtime's normal exit, so exit handlers run (the display restore and the sound threads'
// stop among them).
void exitNormally(int status) { std::exit(status); }

}  // namespace

const Platform& real() {
  static_assert(sizeof(Platform) == 30 * sizeof(void*), "a new entry of platform.h is missing");
  static const Platform table{
      .milliseconds = win32::milliseconds,
      .messageBox = win32::messageBox,
      .exitProcess = exitNormally,
      .initWindowing = win32::initWindowing,
      .switchDisplayMode = win32::switchDisplayMode,
      .currentDisplayMode = win32::currentDisplayMode,
      .restoreDisplayMode = win32::restoreDisplayMode,
      .showCursor = win32::showCursor,
      .createWindow = win32::createWindow,
      .showWindow = win32::showWindow,
      .destroyWindow = win32::destroyWindow,
      .getDeviceContext = win32::getDeviceContext,
      .choosePixelFormat = win32::choosePixelFormat,
      .setPixelFormat = win32::setPixelFormat,
      .createContext = win32::createContext,
      .makeCurrent = win32::makeCurrent,
      .deleteContext = win32::deleteContext,
      .releaseDeviceContext = win32::releaseDeviceContext,
      .swapBuffers = win32::swapBuffers,
      .setSwapInterval = win32::setSwapInterval,
      .peekMessage = win32::peekMessage,
      .soundInit = win32::soundInit,
      .soundGetError = win32::soundGetError,
      .musicLoadSong = win32::musicLoadSong,
      .streamOpenMpeg = win32::streamOpenMpeg,
      .streamOpenWav = win32::streamOpenWav,
      .streamPlay = win32::streamPlay,
      .musicPlaySong = win32::musicPlaySong,
      .fileArrived = fileOnDisk,
      .awaitFile = fileOnDiskAwait,
  };
  return table;
}

}  // namespace platform
