// The browser backend's platform table: the page's canvas, dialog and boxes, WebGL 2 and the
// browser's own audio, all reached through emscripten.
#include "platform/web/web_backend.h"

namespace platform {

const Platform& real() {
  static_assert(sizeof(Platform) == 30 * sizeof(void*), "a new entry of platform.h is missing");
  static const Platform table{
      .milliseconds = web::milliseconds,
      .messageBox = web::messageBox,
      .exitProcess = web::exitProcess,
      .initWindowing = web::initWindowing,
      .switchDisplayMode = web::switchDisplayMode,
      .currentDisplayMode = web::currentDisplayMode,
      .restoreDisplayMode = web::restoreDisplayMode,
      .showCursor = web::showCursor,
      .createWindow = web::createWindow,
      .showWindow = web::showWindow,
      .destroyWindow = web::destroyWindow,
      .getDeviceContext = web::getDeviceContext,
      .choosePixelFormat = web::choosePixelFormat,
      .setPixelFormat = web::setPixelFormat,
      .createContext = web::createContext,
      .makeCurrent = web::makeCurrent,
      .deleteContext = web::deleteContext,
      .releaseDeviceContext = web::releaseDeviceContext,
      .swapBuffers = web::swapBuffers,
      .setSwapInterval = web::setSwapInterval,
      .peekMessage = web::peekMessage,
      .soundInit = web::soundInit,
      .soundGetError = web::soundGetError,
      .musicLoadSong = web::musicLoadSong,
      .streamOpenMpeg = web::streamOpenMpeg,
      .streamOpenWav = web::streamOpenWav,
      .streamPlay = web::streamPlay,
      .musicPlaySong = web::musicPlaySong,
      .fileArrived = web::fileArrived,
      .awaitFile = web::awaitFile,
  };
  return table;
}

}  // namespace platform
