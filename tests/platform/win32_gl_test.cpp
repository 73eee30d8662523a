// The Windows backend's GL set-up against the system's WGL (Wine's in CI): the window's pixel
// format has the display's depth, and the vertical sync request reaches the driver's swap
// control (WGL_EXT_swap_control).
#include <windows.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_fixture.h"
#include "platform/platform.h"

namespace {

template <typename Function>
Function wglFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

class Win32Gl : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testing_support::makeGlContext(64, 48)); }
};

// The window asks for 16 colour bits at least; a 32-bit display gives it a 32-bit format, not the
// shallower one nearest a 16-bit request.
TEST_F(Win32Gl, ThePixelFormatHasTheDisplaysDepth) {
  HDC dc = wglGetCurrentDC();
  ASSERT_NE(dc, nullptr);
  PIXELFORMATDESCRIPTOR pfd{};
  ASSERT_NE(DescribePixelFormat(dc, GetPixelFormat(dc), sizeof(pfd), &pfd), 0);
  EXPECT_EQ(pfd.cColorBits, GetDeviceCaps(dc, BITSPIXEL));
  EXPECT_GE(pfd.cDepthBits, 16);
  EXPECT_NE(pfd.dwFlags & PFD_DOUBLEBUFFER, 0u);
}

TEST_F(Win32Gl, VerticalSyncReachesTheDriversSwapControl) {
  using SwapInterval = BOOL(WINAPI*)(int);
  using GetSwapInterval = int(WINAPI*)();
  const auto setInterval = wglFunction<SwapInterval>("wglSwapIntervalEXT");
  const auto getInterval = wglFunction<GetSwapInterval>("wglGetSwapIntervalEXT");
  ASSERT_NE(setInterval, nullptr) << "the driver offers no WGL_EXT_swap_control";
  ASSERT_NE(getInterval, nullptr);
  // Wine's contexts start at 1: from 0, only the backend's request can make it 1.
  ASSERT_TRUE(setInterval(0));
  EXPECT_TRUE(platform::real().setSwapInterval(1));
  EXPECT_EQ(getInterval(), 1);
}

}  // namespace
