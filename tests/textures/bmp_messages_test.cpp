// loadBmpImage and readBmpFile on real files: which "Error" box each failure shows, with
// which text, and that a missing file shows none.
#include <gtest/gtest.h>

#include <filesystem>

#include "bmp_builder.h"
#include "recording_platform.h"
#include "temp_files.h"
#include "textures/bmp/bmp_decoder.h"

namespace {

using testing_support::platformLog;
using textures_test::writeTemp;

bmp_test::BmpSpec oneRedPixel() {
  bmp_test::BmpSpec s;
  s.pixels = {0, 0, 255, 0};
  return s;
}

void expectOneErrorBox(const std::string& text) {
  ASSERT_EQ(platformLog().boxes.size(), 1u);
  const testing_support::RecordedBox& box = platformLog().boxes[0];
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
  EXPECT_EQ(box.icon, platform::BoxIcon::None);
  EXPECT_FALSE(box.systemModal);
}

TEST(LoadBmpImage, ReadsAGoodFileWithoutABox) {
  testing_support::ScopedPlatform fake;
  const std::string path = writeTemp("red.bmp", bmp_test::buildBmp(oneRedPixel()));
  RgbImage* image = loadBmpImage(path.c_str());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 1);
  EXPECT_EQ(image->height, 1);
  EXPECT_EQ(image->pixels[0], 255);
  EXPECT_EQ(image->pixels[2], 0);
  delete[] image->pixels;
  delete image;
  EXPECT_TRUE(platformLog().boxes.empty());
}

TEST(LoadBmpImage, MissingFileOrNullNameIsSilent) {
  testing_support::ScopedPlatform fake;
  EXPECT_EQ(loadBmpImage("no_such_picture.bmp"), nullptr);
  EXPECT_EQ(loadBmpImage(nullptr), nullptr);
  EXPECT_TRUE(platformLog().boxes.empty());
}

TEST(LoadBmpImage, EmptyFileShowsTheOpenFailureWithTheNameAsPassed) {
  testing_support::ScopedPlatform fake;
  const std::string path = writeTemp("empty.bmp", {});
  EXPECT_EQ(loadBmpImage(path.c_str()), nullptr);
  expectOneErrorBox("Failed to open DIB file " + path + ".\n");
}

TEST(LoadBmpImage, AFolderPassesTheExistenceTestButCannotBeMapped) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder cannot be opened as a file on Windows, so it fails the existence test";
#endif
  testing_support::ScopedPlatform fake;
  const std::string folder = std::filesystem::path(writeTemp("probe", {1})).parent_path().string();
  const std::string name = folder + "/./";
  EXPECT_EQ(loadBmpImage(name.c_str()), nullptr);
  expectOneErrorBox("Failed to open DIB file " + name + ".\n");
}

TEST(ReadBmpFile, KeepsItsMessagesUntilTheyAreShown) {
  testing_support::ScopedPlatform fake;
  bmp_test::BmpSpec shape = oneRedPixel();
  shape.headerSize = 108;
  const std::string path = writeTemp("v4.bmp", bmp_test::buildBmp(shape));
  const BmpRead read = readBmpFile(path.c_str());
  EXPECT_EQ(read.image, nullptr);
  EXPECT_TRUE(testing_support::platformLog().boxes.empty()) << "reading shows nothing";
  showBmpMessages(read.messages);
  expectOneErrorBox("Unknown DIB file format.");
}

TEST(LoadBmpImage, LaterHeaderVersionIsAnUnknownFormat) {
  testing_support::ScopedPlatform fake;
  bmp_test::BmpSpec shape = oneRedPixel();
  shape.headerSize = 124;
  const std::string path = writeTemp("v5.bmp", bmp_test::buildBmp(shape));
  EXPECT_EQ(loadBmpImage(path.c_str()), nullptr);
  expectOneErrorBox("Unknown DIB file format.");
}

TEST(LoadBmpImage, TruncatedPixelsAreAConversionError) {
  testing_support::ScopedPlatform fake;
  bmp_test::BmpSpec shape = oneRedPixel();
  shape.height = 2;
  const std::string path = writeTemp("short.bmp", bmp_test::buildBmp(shape));
  EXPECT_EQ(loadBmpImage(path.c_str()), nullptr);
  expectOneErrorBox("Image file conversion error.");
}

}  // namespace
