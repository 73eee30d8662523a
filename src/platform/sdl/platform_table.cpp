// The Linux backend's platform table: SDL2 for the window, events, display modes and the counter,
// FLTK for message boxes, SDL2_mixer for sound.
#include "platform/sdl/sdl_backend.h"

namespace platform {

namespace {

Platform makeReal() {
  static_assert(sizeof(Platform) == 28 * sizeof(void*), "a new entry of platform.h is missing");
  Platform p{};
  p.milliseconds = sdl::milliseconds;
  p.messageBox = fltk::messageBox;
  p.exitProcess = process::exitProcess;
  p.initWindowing = sdl::initWindowing;
  p.switchDisplayMode = sdl::switchDisplayMode;
  p.currentDisplayMode = sdl::currentDisplayMode;
  p.restoreDisplayMode = sdl::restoreDisplayMode;
  p.showCursor = sdl::showCursor;
  p.createWindow = sdl::createWindow;
  p.showWindow = sdl::showWindow;
  p.destroyWindow = sdl::destroyWindow;
  p.getDeviceContext = sdl::getDeviceContext;
  p.choosePixelFormat = sdl::choosePixelFormat;
  p.setPixelFormat = sdl::setPixelFormat;
  p.createContext = sdl::createContext;
  p.makeCurrent = sdl::makeCurrent;
  p.deleteContext = sdl::deleteContext;
  p.releaseDeviceContext = sdl::releaseDeviceContext;
  p.swapBuffers = sdl::swapBuffers;
  p.setSwapInterval = sdl::setSwapInterval;
  p.peekMessage = sdl::peekMessage;
  p.soundInit = mixer::soundInit;
  p.soundGetError = mixer::soundGetError;
  p.musicLoadSong = mixer::musicLoadSong;
  p.streamOpenMpeg = mixer::streamOpenMpeg;
  p.streamOpenWav = mixer::streamOpenWav;
  p.streamPlay = mixer::streamPlay;
  p.musicPlaySong = mixer::musicPlaySong;
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
