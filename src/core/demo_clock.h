// The object every scene shares: the scene timer, the window's size and facts, and the table of
// GL texture names the loaders fill and the scenes bind. `endFrame` advances the timer and
// presents the frame. Created once at start-up and never destroyed.
#pragma once

#include <cstdint>

#include "core/letterbox.h"
#include "platform/platform.h"

constexpr int kTextureSlots = 100;

class DemoClock {
 public:
  DemoClock();

  void restart();
  void endFrame();

  // Window operations (src/core/demo_clock_window.cpp).
  int attachWindow(platform::Window* window, platform::DeviceContext** deviceContextSlot,
                   platform::RenderContext** renderContextSlot);
  void resize(int newWidth, int newHeight);
  void shutdown(platform::Window* window, platform::DeviceContext* dc, platform::RenderContext* rc);

  // Texture operations (src/textures/texture_loaders.cpp). `filter` is GL_NEAREST or GL_LINEAR;
  // 0 means GL_LINEAR.
  int loadBmpTexture(const char* fileName, int slot, int filter);
  int loadPngTexture(const char* fileName, int slot, int filter);

  uint32_t* textures;  // kTextureSlots GL texture names; owned, never freed
  int32_t width;
  int32_t height;
  uint32_t startTick;
  int32_t elapsed;
  int32_t frameTime;
  int32_t fullscreen;
  int32_t active;
  platform::DeviceContext* deviceContext = nullptr;
  // Where the picture lies on the surface; fitted at each resize (a capture fits its own).
  Letterbox letterbox;
};

extern DemoClock* demoClock;
