// The clock's window operations through the fake platform: which releases shutdown makes, in what
// order, the box each failed release shows while shutdown goes on, and the resize rules: a
// window's picture follows its client area, a fullscreen one keeps the chosen resolution.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/demo_clock.h"
#include "fake_window_platform.h"

using testing_support::FakeStep;
using testing_support::FakeWindowPlatform;
using testing_support::platformLog;
using Calls = std::vector<std::string>;

namespace {

// Handles the fake platform hands out; shutdown only passes them back.
struct Handles {
  platform::Window* window;
  platform::DeviceContext* dc;
  platform::RenderContext* rc;
};

Handles openFakeWindow() {
  platform::Platform& p = platform::current();
  Handles h{p.createWindow("w", {}), nullptr, nullptr};
  h.dc = p.getDeviceContext(h.window);
  h.rc = p.createContext(h.dc);
  platformLog().calls.clear();
  return h;
}

}  // namespace

TEST(DemoClockShutdown, RestoresTheDisplayThenReleasesContextDeviceContextAndWindow) {
  struct Case {
    int fullscreen;
    Calls calls;
  };
  const Case cases[] = {
      {1,
       {"restoreDisplay", "cursor:show", "releaseCurrent", "deleteContext", "releaseDC",
        "destroyWindow"}},
      {0, {"releaseCurrent", "deleteContext", "releaseDC", "destroyWindow"}},
  };
  for (const Case& c : cases) {
    FakeWindowPlatform fake;
    DemoClock clock;
    clock.fullscreen = c.fullscreen;
    const Handles h = openFakeWindow();
    clock.shutdown(h.window, h.dc, h.rc);
    EXPECT_EQ(platformLog().calls, c.calls) << "fullscreen " << c.fullscreen;
    EXPECT_TRUE(platformLog().boxes.empty());
  }
}

TEST(DemoClockShutdown, SkipsWhatWasNeverObtained) {
  FakeWindowPlatform fake;
  DemoClock clock;
  clock.fullscreen = 0;
  const Handles h = openFakeWindow();
  clock.shutdown(h.window, h.dc, nullptr);
  EXPECT_EQ(platformLog().calls, (Calls{"releaseDC", "destroyWindow"}));
  platformLog().calls.clear();
  clock.shutdown(nullptr, nullptr, nullptr);
  EXPECT_TRUE(platformLog().calls.empty());
}

TEST(DemoClockShutdown, ReportsEachFailedReleaseAndGoesOn) {
  struct Case {
    FakeStep failing;
    const char* text;
  };
  const Case cases[] = {
      {FakeStep::ReleaseCurrent, "Release Of DC And RC Failed."},
      {FakeStep::DeleteContext, "Release Rendering Context Failed."},
      {FakeStep::ReleaseDeviceContext, "Release Device Context Failed."},
      {FakeStep::DestroyWindow, "Could Not Release hWnd."},
  };
  for (const Case& c : cases) {
    FakeWindowPlatform fake;
    DemoClock clock;
    clock.fullscreen = 0;
    const Handles h = openFakeWindow();
    fake.fail(c.failing);
    clock.shutdown(h.window, h.dc, h.rc);
    ASSERT_EQ(platformLog().boxes.size(), 1u) << c.text;
    const testing_support::RecordedBox& box = platformLog().boxes[0];
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
    EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
    EXPECT_EQ(box.icon, platform::BoxIcon::Information);
    EXPECT_EQ(platformLog().calls.back(), c.failing == FakeStep::DestroyWindow
                                              ? std::string("box:SHUTDOWN ERROR:") + c.text
                                              : std::string("destroyWindow"))
        << "shutdown goes on after " << c.text;
  }
}

TEST(DemoClockShutdown, ShowsEveryBoxWhenEveryReleaseFails) {
  FakeWindowPlatform fake;
  DemoClock clock;
  clock.fullscreen = 0;
  const Handles h = openFakeWindow();
  for (FakeStep s : {FakeStep::ReleaseCurrent, FakeStep::DeleteContext,
                     FakeStep::ReleaseDeviceContext, FakeStep::DestroyWindow}) {
    fake.fail(s);
  }
  clock.shutdown(h.window, h.dc, h.rc);
  EXPECT_EQ(platformLog().calls,
            (Calls{"releaseCurrent", "box:SHUTDOWN ERROR:Release Of DC And RC Failed.",
                   "deleteContext", "box:SHUTDOWN ERROR:Release Rendering Context Failed.",
                   "releaseDC", "box:SHUTDOWN ERROR:Release Device Context Failed.",
                   "destroyWindow", "box:SHUTDOWN ERROR:Could Not Release hWnd."}));
}

TEST(DemoClockAttachWindow, KeepsTheStartUpContextAndTakesTheDeviceContext) {
  FakeWindowPlatform fake;
  DemoClock clock;
  Handles h = openFakeWindow();
  platform::RenderContext* startUpContext = h.rc;
  EXPECT_EQ(clock.attachWindow(h.window, &h.dc, &h.rc), 1);
  EXPECT_EQ(clock.deviceContext, h.dc);
  EXPECT_EQ(h.rc, startUpContext);
  EXPECT_TRUE(platformLog().calls.empty()) << "no second device context or rendering context";
}

TEST(DemoClockResize, KeepsTheSizeWhenMinimisedToHeightZero) {
  struct Case {
    int width, height, expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {640, 480, 640, 480}, {792, 573, 792, 573}, {0, 0, 800, 600},
      {1024, 0, 800, 600},  {0, 10, 0, 10},
  };
  for (const Case& c : cases) {
    testing_support::ScopedPlatform platform;
    DemoClock clock;
    clock.fullscreen = 0;
    clock.resize(c.width, c.height);
    EXPECT_EQ(clock.width, c.expectedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(clock.height, c.expectedHeight) << c.width << "x" << c.height;
  }
}

// A compositor that fakes the mode switch hands the fullscreen window the whole screen: the
// scenes keep drawing the chosen picture, shown whole and centred between black bars.
TEST(DemoClockResize, FullscreenKeepsTheChosenPictureCentredOnAnotherSurface) {
  struct Case {
    int chosenWidth, chosenHeight, surfaceWidth, surfaceHeight;
    PictureRect picture;
    bool bars;
  };
  const Case cases[] = {
      {800, 600, 800, 600, {0, 0, 800, 600}, false},
      {800, 600, 1920, 1080, {240, 0, 1440, 1080}, true},
      {640, 480, 1280, 1024, {0, 32, 1280, 960}, true},
      {1024, 768, 1366, 768, {171, 0, 1024, 768}, true},
      {800, 600, 640, 480, {0, 0, 640, 480}, false},
  };
  for (const Case& c : cases) {
    testing_support::ScopedPlatform platform;
    DemoClock clock;
    clock.width = c.chosenWidth;
    clock.height = c.chosenHeight;
    clock.resize(c.surfaceWidth, c.surfaceHeight);
    const std::string what = std::to_string(c.surfaceWidth) + "x" + std::to_string(c.surfaceHeight);
    EXPECT_EQ(clock.width, c.chosenWidth) << what;
    EXPECT_EQ(clock.height, c.chosenHeight) << what;
    const PictureRect& p = clock.letterbox.picture();
    EXPECT_EQ((std::vector<int>{p.x, p.y, p.width, p.height}),
              (std::vector<int>{c.picture.x, c.picture.y, c.picture.width, c.picture.height}))
        << what;
    EXPECT_EQ(clock.letterbox.hasBars(), c.bars) << what;
  }
}
