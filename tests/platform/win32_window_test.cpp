// The Win32 backend's window under a real window manager (Wine's in CI): what its window
// procedure queues while the window is made and shown, the demo's messages sent to it later and
// handed out one at a time, a close that leaves the window to the demo's shutdown, and the
// class's icons, from the program's resources, which this test links as the program does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace {

using platform::MessageKind;
using platform::WindowMessage;

std::vector<WindowMessage> drain() {
  std::vector<WindowMessage> out;
  WindowMessage m;
  while (platform::real().peekMessage(&m)) {
    if (m.kind != MessageKind::Other) out.push_back(m);
  }
  return out;
}

// An icon's colour pixels as 32-bit BGRA rows, and its width.
std::vector<uint32_t> iconPixels(HICON icon, int* width) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap);
  *width = bitmap.bmWidth;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = bitmap.bmWidth;
  format.bmiHeader.biHeight = -bitmap.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return pixels;
}

class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override {
    const platform::Platform& p = platform::real();
    ASSERT_TRUE(p.initWindowing());
    platform::WindowStyle style;
    style.width = 320;
    style.height = 240;
    window_ = p.createWindow("tamsirel window test", style);
    ASSERT_NE(window_, nullptr);
    hwnd_ = reinterpret_cast<HWND>(window_);
  }
  void TearDown() override { platform::real().destroyWindow(window_); }

  platform::Window* window_ = nullptr;
  HWND hwnd_ = nullptr;
};

TEST_F(Win32Window, ShowingItDeliversTheClientSizeSmallerThanTheOuterSize) {
  EXPECT_TRUE(platform::real().showWindow(window_));
  const std::vector<WindowMessage> messages = drain();
  const WindowMessage* size = nullptr;
  for (const WindowMessage& m : messages) {
    if (m.kind == MessageKind::Size) size = &m;
  }
  ASSERT_NE(size, nullptr) << "no size message from creating and showing the window";
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  EXPECT_EQ(outer.right - outer.left, 320);
  EXPECT_EQ(outer.bottom - outer.top, 240);
  EXPECT_GT(size->width, 0);
  EXPECT_LT(size->width, 320) << "the frame comes out of the outer size";
  EXPECT_LT(size->height, 240) << "the caption comes out of the outer size";
}

TEST_F(Win32Window, TranslatesTheDemosMessagesInOrder) {
  drain();
  struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    MessageKind kind;
    int width, height, minimised, key;
  };
  const Sent sent[] = {
      {WM_KEYDOWN, VK_ESCAPE, 0, MessageKind::KeyDown, 0, 0, 0, platform::kKeyEscape},
      {WM_KEYDOWN, 'A', 0, MessageKind::KeyDown, 0, 0, 0, 'A'},
      {WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200), MessageKind::Size, 300, 200, 0, 0},
      {WM_SIZE, SIZE_MINIMIZED, 0, MessageKind::Size, 0, 0, 0, 0},
      {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0, MessageKind::Activate, 0, 0, 1, 0},
      {WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0, MessageKind::Activate, 0, 0, 0, 0},
      {WM_CLOSE, 0, 0, MessageKind::Close, 0, 0, 0, 0},
  };
  for (const Sent& s : sent) EXPECT_EQ(SendMessageA(hwnd_, s.message, s.wParam, s.lParam), 0);
  const std::vector<WindowMessage> got = drain();
  ASSERT_EQ(got.size(), std::size(sent));
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].kind, sent[i].kind);
    EXPECT_EQ(got[i].width, sent[i].width);
    EXPECT_EQ(got[i].height, sent[i].height);
    EXPECT_EQ(got[i].minimised, sent[i].minimised);
    EXPECT_EQ(got[i].key, sent[i].key);
  }
  EXPECT_TRUE(IsWindow(hwnd_)) << "a close leaves the window to the demo's shutdown";
}

// Only the screen saver and monitor power-off commands are swallowed; another command, here a
// close with low bits set (which the default handling masks off), still closes.
TEST_F(Win32Window, OtherSystemCommandsGetTheDefaultHandling) {
  drain();
  SendMessageA(hwnd_, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  SendMessageA(hwnd_, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
  SendMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE | 0x2, 0);
  const std::vector<WindowMessage> got = drain();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::Close);
}

// Alt+Tab draws the large icon, the caption and the taskbar the small one: both are the
// program's, at the sizes the system draws, where a class without them shows the system's
// default application icon (and one made from it at the small size).
TEST_F(Win32Window, TheClassHasTheProgramsIconAtBothSizes) {
  struct Case {
    const char* what;
    int classIndex;
    int sizeMetric;
  };
  const Case cases[] = {
      {"large icon", GCLP_HICON, SM_CXICON},
      {"small icon", GCLP_HICONSM, SM_CXSMICON},
  };
  for (const Case& c : cases) {
    const auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, c.classIndex));
    ASSERT_NE(icon, nullptr) << c.what;
    const int size = GetSystemMetrics(c.sizeMetric);
    int width = 0;
    const std::vector<uint32_t> pixels = iconPixels(icon, &width);
    EXPECT_EQ(width, size) << c.what;
    const auto systemIcon =
        static_cast<HICON>(LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED));
    ASSERT_NE(systemIcon, nullptr) << c.what;
    int systemWidth = 0;
    EXPECT_NE(pixels, iconPixels(systemIcon, &systemWidth))
        << c.what << ": the system's default application icon";
  }
}

}  // namespace
