// The Linux backend's platform table: SDL2 for the window, events, display modes and the counter,
// FLTK for message boxes, SDL2_mixer for sound.
#include "platform/sdl/sdl_backend.h"

namespace platform {

const Platform& real() {
  static_assert(sizeof(Platform) == 30 * sizeof(void*), "a new entry of platform.h is missing");
  static const Platform table{
      .milliseconds = sdl::milliseconds,
      .messageBox = fltk::messageBox,
      .exitProcess = process::exitProcess,
      .initWindowing = sdl::initWindowing,
      .switchDisplayMode = sdl::switchDisplayMode,
      .currentDisplayMode = sdl::currentDisplayMode,
      .restoreDisplayMode = sdl::restoreDisplayMode,
      .showCursor = sdl::showCursor,
      .createWindow = sdl::createWindow,
      .showWindow = sdl::showWindow,
      .destroyWindow = sdl::destroyWindow,
      .getDeviceContext = sdl::getDeviceContext,
      .choosePixelFormat = sdl::choosePixelFormat,
      .setPixelFormat = sdl::setPixelFormat,
      .createContext = sdl::createContext,
      .makeCurrent = sdl::makeCurrent,
      .deleteContext = sdl::deleteContext,
      .releaseDeviceContext = sdl::releaseDeviceContext,
      .swapBuffers = sdl::swapBuffers,
      .setSwapInterval = sdl::setSwapInterval,
      .peekMessage = sdl::peekMessage,
      .soundInit = mixer::soundInit,
      .soundGetError = mixer::soundGetError,
      .musicLoadSong = mixer::musicLoadSong,
      .streamOpenMpeg = mixer::streamOpenMpeg,
      .streamOpenWav = mixer::streamOpenWav,
      .streamPlay = mixer::streamPlay,
      .musicPlaySong = mixer::musicPlaySong,
      .fileArrived = fileOnDisk,
      .awaitFile = fileOnDiskAwait,
  };
  return table;
}

}  // namespace platform
