// The loaders and pngBind on a real GL (llvmpipe): textures drawn on a full-viewport quad come
// out upright, odd BMP widths stay aligned, filters and wrap are as asked, pixel-store state is
// put back, failures leave the slot or the binding as described, and a picture sent ahead of
// init is the one a direct load makes.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "bmp_builder.h"
#include "core/demo_clock.h"
#include "gl_fixture.h"
#include "png_writer.h"
#include "recording_platform.h"
#include "temp_files.h"
#include "test_environment.h"
#include "textures/gl/texture_uploads.h"
#include "textures/gl/image_prefetch.h"
#include "textures/gl/png_bind.h"

namespace {

using testing_support::GlTest;
using testing_support::readPixel;
using testing_support::Rgb;
using textures_test::writeTemp;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kRed[3] = {255, 0, 0};
constexpr uint8_t kGreen[3] = {0, 255, 0};
constexpr uint8_t kBlue[3] = {0, 0, 255};
constexpr uint8_t kWhite[3] = {255, 255, 255};

void expectPixel(int x, int y, const uint8_t* rgb) {
  const Rgb p = readPixel(x, y);
  EXPECT_EQ(p.r, rgb[0]) << "at " << x << "," << y;
  EXPECT_EQ(p.g, rgb[1]) << "at " << x << "," << y;
  EXPECT_EQ(p.b, rgb[2]) << "at " << x << "," << y;
}

// The whole viewport, texture coordinate (0, 0) at the lower left and (repeat, repeat) at the
// upper right.
void drawTexturedQuad(GLuint texture, float repeat = 1) {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(repeat, 0);
  glVertex2f(1, -1);
  glTexCoord2f(repeat, repeat);
  glVertex2f(1, 1);
  glTexCoord2f(0, repeat);
  glVertex2f(-1, 1);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

Bytes bgr(const uint8_t* rgb) { return {rgb[2], rgb[1], rgb[0]}; }
Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Stored rows bottom first: red green, then blue white.
std::string writeQuadrantBmp() {
  bmp_test::BmpSpec s;
  s.width = 2;
  s.height = 2;
  s.pixels =
      bmp_test::paddedRows({concat({bgr(kRed), bgr(kGreen)}), concat({bgr(kBlue), bgr(kWhite)})});
  return writeTemp("quadrants.bmp", bmp_test::buildBmp(s));
}

// File rows top first: red green, then blue white.
png_test::PngSpec quadrantPng() {
  png_test::PngSpec s;
  s.width = 2;
  s.height = 2;
  s.rows = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
  return s;
}

std::string writeQuadrantPng() {
  return writeTemp("quadrants.png", png_test::encodePng(quadrantPng()));
}

GLint boundTexture() {
  GLint name = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
  return name;
}

GLint textureParameter(GLenum parameter) {
  GLint value = -1;
  glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
  return value;
}

// One clock for the whole binary, as in the program: its texture table is never freed.
DemoClock& sharedClock() {
  static DemoClock* clock = new DemoClock;
  return *clock;
}

class TextureLoad : public GlTest {
 protected:
  DemoClock& clock = sharedClock();
};

TEST_F(TextureLoad, BmpBottomRowIsAtTZero) {
  ASSERT_EQ(clock.loadBmpTexture(writeQuadrantBmp().c_str(), 5, GL_NEAREST), 1);
  drawTexturedQuad(clock.textures[5]);
  expectPixel(16, 12, kRed);
  expectPixel(48, 12, kGreen);
  expectPixel(16, 36, kBlue);
  expectPixel(48, 36, kWhite);
}

TEST_F(TextureLoad, PngTopRowIsAtTZero) {
  ASSERT_EQ(clock.loadPngTexture(writeQuadrantPng().c_str(), 7, GL_NEAREST), 1);
  ASSERT_NE(clock.textures[7], 0u);
  drawTexturedQuad(clock.textures[7]);
  expectPixel(16, 12, kRed);
  expectPixel(48, 12, kGreen);
  expectPixel(16, 36, kBlue);
  expectPixel(48, 36, kWhite);
}

// The pack's files as a page gets them: a file is written to the disk only when the program
// waits for it, as it arrives then.
std::vector<std::pair<std::string, std::vector<uint8_t>>> onTheirWay;
std::vector<std::string> awaited;
bool arrivedOnDisk(const char* fileName) {
  return std::none_of(onTheirWay.begin(), onTheirWay.end(),
                      [&](const auto& file) { return file.first == fileName; });
}
void arriveWhenAwaited(const char* fileName) {
  awaited.push_back(fileName);
  for (const auto& [name, bytes] : onTheirWay) {
    if (name == fileName) writeTemp(name.substr(name.rfind('/') + 1), bytes);
  }
  std::erase_if(onTheirWay, [&](const auto& file) { return file.first == fileName; });
}

// A scene's init waits for a file still on its way, then reads it, instead of finding it missing.
TEST_F(TextureLoad, AFileOnItsWayIsWaitedForThenRead) {
  testing_support::ScopedPlatform platform;
  platform.table().fileArrived = arrivedOnDisk;
  platform.table().awaitFile = arriveWhenAwaited;
  const std::string bmp = writeQuadrantBmp();
  const std::string png = writeQuadrantPng();
  for (const std::string& path : {bmp, png}) {
    std::ifstream in(path, std::ios::binary);
    onTheirWay.push_back({path, {std::istreambuf_iterator<char>(in), {}}});
    std::remove(path.c_str());
  }
  ASSERT_EQ(clock.loadBmpTexture(bmp.c_str(), 5, GL_NEAREST), 1);
  ASSERT_EQ(clock.loadPngTexture(png.c_str(), 7, GL_NEAREST), 1);
  EXPECT_EQ(awaited, (std::vector<std::string>{bmp, png}));
  for (const int slot : {5, 7}) {
    drawTexturedQuad(clock.textures[slot]);
    expectPixel(16, 12, kRed);
    expectPixel(48, 36, kWhite);
  }
  EXPECT_TRUE(testing_support::platformLog().boxes.empty());
}

TEST_F(TextureLoad, BmpRowsOfNineBytesStayAligned) {
  const uint8_t colours[6][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                                 {255, 255, 0}, {0, 255, 255}, {255, 0, 255}};
  bmp_test::BmpSpec s;
  s.width = 3;
  s.height = 2;
  s.pixels = bmp_test::paddedRows({concat({bgr(colours[0]), bgr(colours[1]), bgr(colours[2])}),
                                   concat({bgr(colours[3]), bgr(colours[4]), bgr(colours[5])})});
  ASSERT_EQ(
      clock.loadBmpTexture(writeTemp("three.bmp", bmp_test::buildBmp(s)).c_str(), 0, GL_NEAREST),
      1);
  drawTexturedQuad(clock.textures[0]);
  const int xs[3] = {10, 32, 53};
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      expectPixel(xs[column], row == 0 ? 12 : 36, colours[row * 3 + column]);
    }
  }
}

struct FilterCase {
  bool bmp;
  int filterArgument;
  GLint expected;
};

class TextureFilters : public TextureLoad, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(TextureFilters, SetBothFiltersAndRepeat) {
  const FilterCase& c = GetParam();
  const std::string path = c.bmp ? writeQuadrantBmp() : writeQuadrantPng();
  if (c.bmp) {
    clock.loadBmpTexture(path.c_str(), 2, c.filterArgument);
  } else {
    clock.loadPngTexture(path.c_str(), 2, c.filterArgument);
  }
  ASSERT_EQ(boundTexture(), GLint(clock.textures[2]));
  EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), c.expected);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), c.expected);
  EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
  EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
}

INSTANTIATE_TEST_SUITE_P(Loaders, TextureFilters,
                         ::testing::Values(FilterCase{true, 0, GL_LINEAR},
                                           FilterCase{true, GL_NEAREST, GL_NEAREST},
                                           FilterCase{true, GL_LINEAR, GL_LINEAR},
                                           FilterCase{false, 0, GL_LINEAR},
                                           FilterCase{false, GL_NEAREST, GL_NEAREST},
                                           FilterCase{false, GL_LINEAR, GL_LINEAR}));

TEST_F(TextureLoad, PngRepeatsPastTheEdge) {
  clock.loadPngTexture(writeQuadrantPng().c_str(), 1, GL_NEAREST);
  drawTexturedQuad(clock.textures[1], 2);
  expectPixel(8, 6, kRed);
  expectPixel(40, 6, kRed);
  expectPixel(40, 30, kRed);
}

TEST_F(TextureLoad, BothLoadersPutThePixelStoreBack) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 5);
  clock.loadBmpTexture(writeQuadrantBmp().c_str(), 0, GL_NEAREST);
  clock.loadPngTexture(writeQuadrantPng().c_str(), 1, GL_NEAREST);
  GLint alignment = 0;
  GLint rowLength = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
  EXPECT_EQ(alignment, 8);
  EXPECT_EQ(rowLength, 5);
  drawTexturedQuad(clock.textures[0]);
  expectPixel(16, 12, kRed);  // uploaded tightly despite the caller's settings
}

TEST_F(TextureLoad, MissingPngLeavesZeroAndDrawsUntextured) {
  clock.textures[4] = 1234;
  EXPECT_EQ(clock.loadPngTexture("no_such_texture.png", 4, GL_LINEAR), 1);
  EXPECT_EQ(clock.textures[4], 0u);
  glColor3f(1, 0.5f, 0);
  drawTexturedQuad(clock.textures[4]);
  const Rgb p = readPixel(32, 24);
  EXPECT_EQ(p.r, 255);
  EXPECT_NEAR(p.g, 128, 1);
  EXPECT_EQ(p.b, 0);
}

TEST_F(TextureLoad, LoadingTwiceKeepsTheSecondNameAndTheFirstTexture) {
  const std::string png = writeQuadrantPng();
  const std::string bmp = writeQuadrantBmp();
  clock.loadPngTexture(png.c_str(), 3, 0);
  const uint32_t firstPng = clock.textures[3];
  clock.loadPngTexture(png.c_str(), 3, 0);
  EXPECT_NE(clock.textures[3], firstPng);
  EXPECT_TRUE(glIsTexture(firstPng));
  clock.loadBmpTexture(bmp.c_str(), 6, 0);
  const uint32_t firstBmp = clock.textures[6];
  clock.loadBmpTexture(bmp.c_str(), 6, 0);
  EXPECT_NE(clock.textures[6], firstBmp);
  EXPECT_TRUE(glIsTexture(firstBmp));
}

TEST_F(TextureLoad, MissingBmpEndsTheProgramWithOneBox) {
  testing_support::ScopedPlatform fake;
  clock.textures[8] = 4321;
  try {
    clock.loadBmpTexture("no_such_tile.bmp", 8, GL_NEAREST);
    FAIL() << "loadBmpTexture returned";
  } catch (const testing_support::ProcessExit& exit) {
    EXPECT_EQ(exit.status, 1);
  }
  ASSERT_EQ(testing_support::platformLog().boxes.size(), 1u);
  const testing_support::RecordedBox& box = testing_support::platformLog().boxes[0];
  EXPECT_EQ(box.text, "can't load some texture");
  EXPECT_EQ(box.caption, "ERROR!");
  EXPECT_EQ(box.icon, platform::BoxIcon::Stop);
  EXPECT_TRUE(box.systemModal);
  EXPECT_EQ(clock.textures[8], 4321u);
}

TEST_F(TextureLoad, RefusedBmpShowsTheDecoderBoxThenTheFatalOne) {
  bmp_test::BmpSpec s;
  s.headerSize = 108;
  const std::string path = writeTemp("v4.bmp", bmp_test::buildBmp(s));
  testing_support::ScopedPlatform fake;
  EXPECT_THROW(clock.loadBmpTexture(path.c_str(), 0, 0), testing_support::ProcessExit);
  const std::vector<std::string> expected = {"box:Error:Unknown DIB file format.",
                                             "box:ERROR!:can't load some texture", "exit:1"};
  EXPECT_EQ(testing_support::platformLog().calls, expected);
}

class PngBind : public GlTest {};

TEST_F(PngBind, LeavesTheNewTextureBound) {
  const uint32_t name = pngBind(writeQuadrantPng().c_str(), kPngNoMipmaps, kPngSolid, nullptr,
                                GL_CLAMP, GL_NEAREST, GL_LINEAR);
  ASSERT_NE(name, 0u);
  EXPECT_EQ(boundTexture(), GLint(name));
  EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_CLAMP);
  EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_CLAMP);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(PngBind, FailureLeavesTheBindingAndMakesNoTexture) {
  GLuint previous = 0;
  glGenTextures(1, &previous);
  glBindTexture(GL_TEXTURE_2D, previous);
  Bytes corrupt = png_test::encodePng(quadrantPng());
  corrupt.resize(corrupt.size() / 2);
  const std::string paths[] = {"no_such.png", writeQuadrantBmp(), writeTemp("half.png", corrupt)};
  for (const std::string& path : paths) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(
        pngBind(path.c_str(), kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR),
        0u)
        << path;
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << path;
    EXPECT_EQ(boundTexture(), GLint(previous)) << path;
    EXPECT_FALSE(glIsTexture(previous + 1)) << path;
  }
}

Bytes textureLevel(int level, int width, int height) {
  Bytes texels(size_t(width) * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  return texels;
}

GLint levelWidth(int level) {
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
  return width;
}

TEST_F(PngBind, SimpleMipmapsPickPixelsDownToOneByOne) {
  png_test::PngSpec s;
  s.width = 4;
  s.height = 2;
  s.rows = {200, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0,  // top row: red, black, green, black
            0,   0, 0, 0, 0, 0, 0, 0,   0, 0, 0, 0};
  const std::string path = writeTemp("mips.png", png_test::encodePng(s));
  ASSERT_NE(
      pngBind(path.c_str(), kPngSimpleMipmaps, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR),
      0u);
  EXPECT_EQ(levelWidth(1), 2);
  EXPECT_EQ(levelWidth(2), 1);
  EXPECT_EQ(textureLevel(1, 2, 1), (Bytes{200, 0, 0, 0, 100, 0}));
  EXPECT_EQ(textureLevel(2, 1, 1), (Bytes{200, 0, 0}));
}

TEST_F(PngBind, NoMipmapsUploadsLevelZeroOnly) {
  ASSERT_NE(pngBind(writeQuadrantPng().c_str(), kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT,
                    GL_LINEAR, GL_LINEAR),
            0u);
  EXPECT_EQ(levelWidth(0), 2);
  EXPECT_EQ(levelWidth(1), 0);
}

TEST_F(PngBind, ViewingGammaChangesTheUploadedSamples) {
  png_test::PngSpec s;
  s.colorType = PNG_COLOR_TYPE_GRAY;
  s.rows = {128};
  const std::string path = writeTemp("grey.png", png_test::encodePng(s));
  testing_support::setEnvironment("VIEWING_GAMMA", "1.0");
  const uint32_t name =
      pngBind(path.c_str(), kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR);
  testing_support::unsetEnvironment("VIEWING_GAMMA");
  ASSERT_NE(name, 0u);
  EXPECT_EQ(textureLevel(0, 1, 1), (Bytes{56, 56, 56}));
}

TEST_F(PngBind, RefusesModesItDoesNotImplement) {
  const std::string path = writeQuadrantPng();
  EXPECT_EQ(pngBind(path.c_str(), -1, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR), 0u);
  EXPECT_EQ(pngBind(path.c_str(), 0, 0, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR), 0u);
}

// A picture decoded ahead and sent in bands while another texture is bound comes out of pngBind
// as the same texture object the direct load makes from the same file, level for level; the
// binding of whatever played meanwhile is left alone. A broken file is not sent at all, and
// pngBind still fails on it without making a texture.
TEST_F(PngBind, APictureSentAheadEqualsTheDirectLoad) {
  struct Case {
    uint32_t width, height;
    int mipmap;
  };
  const Case cases[] = {{300, 250, kPngNoMipmaps}, {512, 256, kPngSimpleMipmaps}};
  for (const Case& c : cases) {
    png_test::PngSpec s;
    s.width = c.width;
    s.height = c.height;
    for (uint32_t i = 0; i < c.width * c.height * 3; ++i)
      s.rows.push_back(uint8_t(i * 7 + i / 999));
    const Bytes file = png_test::encodePng(s);
    const std::string direct = writeTemp("direct.png", file), ahead = writeTemp("ahead.png", file);
    const ImageKind kind = c.mipmap == kPngNoMipmaps ? ImageKind::Png : ImageKind::PngWithLevels;
    const ImageRequest request[] = {{ahead.c_str(), kind}};
    prefetchImages(request);
    finishPrefetching();
    GLuint playing = 0;
    glGenTextures(1, &playing);
    glBindTexture(GL_TEXTURE_2D, playing);
    ASSERT_TRUE(sendUploadBand()) << c.width;
    EXPECT_EQ(boundTexture(), GLint(playing)) << c.width;

    const uint32_t sent =
        pngBind(ahead.c_str(), c.mipmap, kPngSolid, nullptr, GL_CLAMP, GL_NEAREST, GL_LINEAR);
    ASSERT_NE(sent, 0u);
    EXPECT_EQ(boundTexture(), GLint(sent));
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_CLAMP);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    std::vector<Bytes> sentLevels;
    for (int level = 0; levelWidth(level) > 0; ++level) {
      GLint height = 0;
      glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
      sentLevels.push_back(textureLevel(level, levelWidth(level), height));
    }
    ASSERT_NE(
        pngBind(direct.c_str(), c.mipmap, kPngSolid, nullptr, GL_CLAMP, GL_NEAREST, GL_LINEAR), 0u);
    ASSERT_EQ(sentLevels.size(), c.mipmap == kPngNoMipmaps ? 1u : 10u) << c.width;
    for (size_t level = 0; level < sentLevels.size(); ++level) {
      GLint height = 0;
      glGetTexLevelParameteriv(GL_TEXTURE_2D, GLint(level), GL_TEXTURE_HEIGHT, &height);
      EXPECT_EQ(sentLevels[level], textureLevel(GLint(level), levelWidth(GLint(level)), height))
          << c.width << " level " << level;
    }
  }

  Bytes corrupt = png_test::encodePng(quadrantPng());
  corrupt.resize(corrupt.size() / 2);
  const std::string broken = writeTemp("broken.png", corrupt);
  const ImageRequest request[] = {{broken.c_str(), ImageKind::Png}};
  prefetchImages(request);
  finishPrefetching();
  GLuint playing = 0;
  glGenTextures(1, &playing);
  glBindTexture(GL_TEXTURE_2D, playing);
  EXPECT_FALSE(sendUploadBand());
  EXPECT_FALSE(glIsTexture(playing + 1));
  EXPECT_EQ(
      pngBind(broken.c_str(), kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR),
      0u);
  EXPECT_EQ(boundTexture(), GLint(playing));
  EXPECT_FALSE(glIsTexture(playing + 1));
}

}  // namespace

// The playing scene's pictures go up before those going ahead for the next scene, and those
// leave the worker in the order they were decoded, whatever their names: each is then whole by
// the time it is first needed, oldest need first.
TEST_F(TextureLoad, UploadsGoInTheOrderTheyAreNeeded) {
  const std::string own = writeTemp("own.png", png_test::encodePng(quadrantPng()));
  const std::string later = writeTemp("z_later.png", png_test::encodePng(quadrantPng()));
  const std::string last = writeTemp("a_last.png", png_test::encodePng(quadrantPng()));
  const ImageRequest ownRequest[] = {{own.c_str(), ImageKind::Png}};
  prefetchImages(ownRequest);
  finishPrefetching();
  ASSERT_EQ(clock.loadPngTexture(own.c_str(), 7, GL_NEAREST), 1);
  const GLuint ownName = clock.textures[7];
  EXPECT_EQ(levelWidth(0), 0) << "init makes the object; its picture waits for a band";
  const ImageRequest next[] = {{later.c_str(), ImageKind::Png}, {last.c_str(), ImageKind::Png}};
  prefetchImages(next);
  finishPrefetching();

  ASSERT_TRUE(sendUploadBand());
  glBindTexture(GL_TEXTURE_2D, ownName);
  EXPECT_EQ(levelWidth(0), 2) << "the playing scene's picture went first";
  ASSERT_TRUE(sendUploadBand());
  EXPECT_EQ(claimSentAhead(last.c_str(), ImageKind::Png), 0u) << "decoded last, not taken yet";
  const GLuint sent = claimSentAhead(later.c_str(), ImageKind::Png);
  ASSERT_NE(sent, 0u) << "decoded first, taken first";
  glBindTexture(GL_TEXTURE_2D, sent);
  EXPECT_EQ(textureLevel(0, 2, 2), (Bytes{255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}));
  EXPECT_NE(pngBind(last.c_str(), kPngNoMipmaps, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR), 0u);
  EXPECT_FALSE(sendUploadBand()) << "nothing left anywhere";
}
