#include "fake_window_platform.h"

#include <string>

namespace testing_support {

namespace {

FakeWindowPlatform* active = nullptr;

// Distinct addresses stand for the handles; program code only compares and passes them on.
char windowHandle, deviceContextHandle, renderContextHandle, streamHandle, songHandle;

void log(const std::string& call) { platformLog().calls.push_back(call); }

bool failing(FakeStep step) { return active->fails(step); }

std::string modeText(const platform::DisplayMode& m) {
  return std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
         std::to_string(m.bitsPerPixel);
}

bool initWindowing() {
  log("initWindowing");
  return !failing(FakeStep::InitWindowing);
}

bool switchDisplayMode(const platform::DisplayMode& wanted, platform::DisplayMode* taken) {
  log("switchDisplayMode:" + modeText(wanted));
  if (failing(FakeStep::SwitchDisplayMode)) return false;
  *taken = wanted;
  return true;
}

bool currentDisplayMode(platform::DisplayMode* mode) {
  *mode = {1024, 768, 24};
  return true;
}

void restoreDisplayMode() { log("restoreDisplay"); }

void showCursor(bool visible) { log(visible ? "cursor:show" : "cursor:hide"); }

platform::Window* createWindow(const char* title, const platform::WindowStyle& style) {
  std::string call = std::string("createWindow:") + title + ":" + std::to_string(style.width) +
                     "x" + std::to_string(style.height);
  call += style.fullscreen ? ":fullscreen:" + modeText(style.mode) : ":windowed";
  log(call);
  if (failing(FakeStep::CreateWindow)) return nullptr;
  return reinterpret_cast<platform::Window*>(&windowHandle);
}

bool showWindow(platform::Window*) {
  log("showWindow");
  return !failing(FakeStep::ShowWindow);
}

bool destroyWindow(platform::Window*) {
  log("destroyWindow");
  return !failing(FakeStep::DestroyWindow);
}

platform::DeviceContext* getDeviceContext(platform::Window*) {
  log("getDC");
  if (failing(FakeStep::GetDeviceContext)) return nullptr;
  return reinterpret_cast<platform::DeviceContext*>(&deviceContextHandle);
}

int choosePixelFormat(platform::DeviceContext*, const platform::PixelFormat& format) {
  log("choosePixelFormat:" + std::to_string(format.colorBits) + "/" +
      std::to_string(format.depthBits));
  return failing(FakeStep::ChoosePixelFormat) ? 0 : 1;
}

bool setPixelFormat(platform::DeviceContext*, int format) {
  log("setPixelFormat:" + std::to_string(format));
  return !failing(FakeStep::SetPixelFormat);
}

platform::RenderContext* createContext(platform::DeviceContext*) {
  log("createContext");
  if (failing(FakeStep::CreateContext)) return nullptr;
  return reinterpret_cast<platform::RenderContext*>(&renderContextHandle);
}

bool makeCurrent(platform::DeviceContext* dc, platform::RenderContext* rc) {
  if (dc == nullptr && rc == nullptr) {
    log("releaseCurrent");
    return !failing(FakeStep::ReleaseCurrent);
  }
  log("makeCurrent");
  return !failing(FakeStep::MakeCurrent);
}

bool setSwapInterval(int interval) {
  log("swapInterval:" + std::to_string(interval));
  return !failing(FakeStep::SwapInterval);
}

bool deleteContext(platform::RenderContext*) {
  log("deleteContext");
  return !failing(FakeStep::DeleteContext);
}

bool releaseDeviceContext(platform::Window*, platform::DeviceContext*) {
  log("releaseDC");
  return !failing(FakeStep::ReleaseDeviceContext);
}

bool peekMessage(platform::WindowMessage* message) {
  if (active->messages.empty()) {
    log("peek:exhausted");
    *message = closeMessage();
    return true;
  }
  const ScriptedMessage next = active->messages.front();
  active->messages.pop_front();
  if (!next) return false;
  *message = *next;
  return true;
}

template <typename T>
T soundResult(FakeStep step, T success, T failure) {
  if (!failing(step)) return success;
  active->soundError = active->failingSoundError;
  return failure;
}

bool soundInit(int mixRate, int channels, unsigned flags) {
  log("soundInit:" + std::to_string(mixRate) + ":" + std::to_string(channels) + ":" +
      std::to_string(flags));
  return soundResult(FakeStep::SoundInit, true, false);
}

int soundGetError() { return active->soundError; }

platform::SoundSong* musicLoadSong(const char* fileName) {
  log(std::string("musicLoadSong:") + fileName);
  return soundResult(FakeStep::OpenStream, reinterpret_cast<platform::SoundSong*>(&songHandle),
                     static_cast<platform::SoundSong*>(nullptr));
}

platform::SoundStream* openStream(const char* kind, const char* fileName, unsigned mode) {
  log(std::string(kind) + fileName + ":" + std::to_string(mode));
  return soundResult(FakeStep::OpenStream, reinterpret_cast<platform::SoundStream*>(&streamHandle),
                     static_cast<platform::SoundStream*>(nullptr));
}

platform::SoundStream* streamOpenMpeg(const char* fileName, unsigned mode) {
  return openStream("streamOpenMpeg:", fileName, mode);
}

platform::SoundStream* streamOpenWav(const char* fileName, unsigned mode) {
  return openStream("streamOpenWav:", fileName, mode);
}

int streamPlay(int channel, platform::SoundStream*) {
  log("streamPlay:" + std::to_string(channel));
  return soundResult(FakeStep::Play, 0, -1);
}

int musicPlaySong(platform::SoundSong*) {
  log("musicPlaySong");
  return soundResult(FakeStep::Play, 1, -1);
}

void installFakeEntries(platform::Platform& t) {
  t.initWindowing = initWindowing;
  t.switchDisplayMode = switchDisplayMode;
  t.currentDisplayMode = currentDisplayMode;
  t.restoreDisplayMode = restoreDisplayMode;
  t.showCursor = showCursor;
  t.createWindow = createWindow;
  t.showWindow = showWindow;
  t.destroyWindow = destroyWindow;
  t.getDeviceContext = getDeviceContext;
  t.choosePixelFormat = choosePixelFormat;
  t.setPixelFormat = setPixelFormat;
  t.createContext = createContext;
  t.makeCurrent = makeCurrent;
  t.setSwapInterval = setSwapInterval;
  t.deleteContext = deleteContext;
  t.releaseDeviceContext = releaseDeviceContext;
  t.peekMessage = peekMessage;
  t.soundInit = soundInit;
  t.soundGetError = soundGetError;
  t.musicLoadSong = musicLoadSong;
  t.streamOpenMpeg = streamOpenMpeg;
  t.streamOpenWav = streamOpenWav;
  t.streamPlay = streamPlay;
  t.musicPlaySong = musicPlaySong;
}

}  // namespace

platform::WindowMessage keyMessage(int key) {
  platform::WindowMessage m;
  m.kind = platform::MessageKind::KeyDown;
  m.key = key;
  return m;
}

platform::WindowMessage closeMessage() {
  platform::WindowMessage m;
  m.kind = platform::MessageKind::Close;
  return m;
}

platform::WindowMessage sizeMessage(int width, int height) {
  platform::WindowMessage m;
  m.kind = platform::MessageKind::Size;
  m.width = width;
  m.height = height;
  return m;
}

platform::WindowMessage activateMessage(int minimised) {
  platform::WindowMessage m;
  m.kind = platform::MessageKind::Activate;
  m.minimised = minimised;
  return m;
}

FakeWindowPlatform::FakeWindowPlatform() {
  active = this;
  installFakeEntries(platform::current());
}

FakeWindowPlatform::~FakeWindowPlatform() { active = nullptr; }

}  // namespace testing_support
