// What the Linux backend hands to SDL for a fullscreen window: the display mode (with its pixel
// format) and the GL attributes, and whether a refused switch is reported. This test binary
// defines SDL's display-mode calls itself, so the backend, linked in statically, calls these: a
// scripted display with the modes a case offers, in front of the real offscreen driver, which
// still makes the windows. SDL_GL_SetAttribute is recorded and passed on to SDL.
#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "platform/platform.h"

namespace {

struct ScriptedDisplay {
  std::vector<SDL_DisplayMode> modes;
  int modeResult = 0;                     // what SDL_SetWindowDisplayMode answers
  bool staysInItsMode = false;            // the switch as the window is shown does not happen
  std::vector<SDL_DisplayMode> modesSet;  // SDL_SetWindowDisplayMode's arguments
  std::vector<Uint32> fullscreenCalls;    // SDL_SetWindowFullscreen's flags
  std::map<SDL_GLattr, int> attributes;   // the last value set for each GL attribute
};
ScriptedDisplay display;

SDL_DisplayMode mode(int w, int h, Uint32 format) { return {format, w, h, 60, nullptr}; }

}  // namespace

extern "C" {

int SDL_GetNumDisplayModes(int) { return static_cast<int>(display.modes.size()); }

int SDL_GetDisplayMode(int, int index, SDL_DisplayMode* out) {
  if (index < 0 || index >= static_cast<int>(display.modes.size())) return -1;
  *out = display.modes[static_cast<size_t>(index)];
  return 0;
}

int SDL_SetWindowDisplayMode(SDL_Window*, const SDL_DisplayMode* wanted) {
  display.modesSet.push_back(*wanted);
  return display.modeResult;
}

int SDL_SetWindowFullscreen(SDL_Window*, Uint32 flags) {
  display.fullscreenCalls.push_back(flags);
  return 0;
}

// The display's mode once the fullscreen window is shown: the one set, unless the switch failed.
int SDL_GetCurrentDisplayMode(int, SDL_DisplayMode* out) {
  const bool switched = !display.staysInItsMode && !display.modesSet.empty();
  *out = switched ? display.modesSet.back() : mode(1024, 768, SDL_PIXELFORMAT_RGB888);
  return 0;
}

int SDL_GL_SetAttribute(SDL_GLattr attribute, int value) {
  display.attributes[attribute] = value;
  using SetAttribute = int (*)(SDL_GLattr, int);
  static const auto real = reinterpret_cast<SetAttribute>(dlsym(RTLD_NEXT, "SDL_GL_SetAttribute"));
  return real(attribute, value);
}

}  // extern "C"

namespace {

constexpr Uint32 kRgb565 = SDL_PIXELFORMAT_RGB565;
constexpr Uint32 kRgb888 = SDL_PIXELFORMAT_RGB888;

class SdlDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_TRUE(platform::real().initWindowing());
    // Keeps the GL driver loaded while windows come and go, as the demo's one window does: once
    // unloaded, what the driver keeps would show as leaks of an unknown module.
    ASSERT_EQ(SDL_GL_LoadLibrary(nullptr), 0);
  }
  void SetUp() override { display = ScriptedDisplay{}; }

  // The fullscreen start-up of the shell at 800 x 600, 16 bpp: the switch, the window made for
  // 16 colour and 16 depth bits, its show. False at the first refusal.
  bool runFullscreen() {
    const platform::Platform& p = platform::real();
    platform::WindowStyle style{800, 600, true, {}, {16, 16}};
    if (!p.switchDisplayMode({800, 600, 16}, &style.mode)) return false;
    platform::Window* window = p.createWindow("sdl display test", style);
    if (window == nullptr) return false;
    const bool shown = p.showWindow(window);
    p.restoreDisplayMode();
    p.destroyWindow(window);
    return shown;
  }
};

TEST_F(SdlDisplay, TheSixteenBitRequestReachesSdl) {
  struct Case {
    const char* what;
    std::vector<SDL_DisplayMode> offered;
    Uint32 formatSet;
  };
  const Case cases[] = {
      {"16 bits offered", {mode(800, 600, kRgb888), mode(800, 600, kRgb565)}, kRgb565},
      {"only 24 bits offered", {mode(640, 480, kRgb565), mode(800, 600, kRgb888)}, kRgb888},
  };
  for (const Case& c : cases) {
    display = ScriptedDisplay{};
    display.modes = c.offered;
    ASSERT_TRUE(runFullscreen()) << c.what;
    ASSERT_EQ(display.modesSet.size(), 1u) << c.what;
    EXPECT_EQ(display.modesSet[0].w, 800) << c.what;
    EXPECT_EQ(display.modesSet[0].h, 600) << c.what;
    EXPECT_EQ(display.modesSet[0].format, c.formatSet) << c.what;
    EXPECT_EQ(display.attributes[SDL_GL_RED_SIZE], 5) << c.what;
    EXPECT_EQ(display.attributes[SDL_GL_GREEN_SIZE], 6) << c.what;
    EXPECT_EQ(display.attributes[SDL_GL_BLUE_SIZE], 5) << c.what;
    EXPECT_EQ(display.attributes[SDL_GL_DEPTH_SIZE], 16) << c.what;
    EXPECT_EQ(display.attributes[SDL_GL_DOUBLEBUFFER], 1) << c.what;
  }
}

TEST_F(SdlDisplay, ARefusedSwitchIsReportedAndTheDisplayGivenBack) {
  struct Case {
    const char* what;
    int modeResult;
    bool staysInItsMode;
  };
  const Case cases[] = {
      {"SDL refuses the mode", -1, false},
      {"the display stays in its mode", 0, true},
  };
  for (const Case& c : cases) {
    display = ScriptedDisplay{};
    display.modes = {mode(800, 600, kRgb565)};
    display.modeResult = c.modeResult;
    display.staysInItsMode = c.staysInItsMode;
    EXPECT_FALSE(runFullscreen()) << c.what;
    ASSERT_FALSE(display.fullscreenCalls.empty()) << c.what;
    EXPECT_EQ(display.fullscreenCalls.back(), 0u) << c.what << ": the window left fullscreen";
  }
}

TEST_F(SdlDisplay, AResolutionTheDisplayLacksIsRefusedAtTheSwitch) {
  display.modes = {mode(1024, 768, kRgb565), mode(640, 480, kRgb888)};
  platform::DisplayMode taken;
  EXPECT_FALSE(platform::real().switchDisplayMode({800, 600, 16}, &taken));
}

}  // namespace
