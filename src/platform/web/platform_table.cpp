// The browser backend's platform table: the page's canvas, dialog and boxes, WebGL 2 and the
// browser's own audio, all reached through emscripten.
#include "platform/web/web_backend.h"

namespace platform {

namespace {

Platform makeReal() {
  static_assert(sizeof(Platform) == 28 * sizeof(void*), "a new entry of platform.h is missing");
  Platform p{};
  p.milliseconds = web::milliseconds;
  p.messageBox = web::messageBox;
  p.exitProcess = web::exitProcess;
  p.initWindowing = web::initWindowing;
  p.switchDisplayMode = web::switchDisplayMode;
  p.currentDisplayMode = web::currentDisplayMode;
  p.restoreDisplayMode = web::restoreDisplayMode;
  p.showCursor = web::showCursor;
  p.createWindow = web::createWindow;
  p.showWindow = web::showWindow;
  p.destroyWindow = web::destroyWindow;
  p.getDeviceContext = web::getDeviceContext;
  p.choosePixelFormat = web::choosePixelFormat;
  p.setPixelFormat = web::setPixelFormat;
  p.createContext = web::createContext;
  p.makeCurrent = web::makeCurrent;
  p.deleteContext = web::deleteContext;
  p.releaseDeviceContext = web::releaseDeviceContext;
  p.swapBuffers = web::swapBuffers;
  p.setSwapInterval = web::setSwapInterval;
  p.peekMessage = web::peekMessage;
  p.soundInit = web::soundInit;
  p.soundGetError = web::soundGetError;
  p.musicLoadSong = web::musicLoadSong;
  p.streamOpenMpeg = web::streamOpenMpeg;
  p.streamOpenWav = web::streamOpenWav;
  p.streamPlay = web::streamPlay;
  p.musicPlaySong = web::musicPlaySong;
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
