// Decoding ahead gives what the direct load gives, and a broken file is told about when its
// picture is asked for, never when it is queued: the boxes and the fatal message come from the
// loader's call, in the same order as without decoding ahead.
#include "textures/gl/image_prefetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "core/demo_clock.h"
#include "png_writer.h"
#include "recording_platform.h"
#include "temp_files.h"
#include "textures/gl/prefetch_queue.h"
#include "textures/gl/texture_resample.h"

namespace {

using testing_support::platformLog;
using textures_test::writeTemp;

// A 4 x 2 picture whose every pixel differs, so that a wrong level or row shows.
std::string writeGradientPng(const std::string& name) {
  png_test::PngSpec shape;
  shape.width = 4;
  shape.height = 2;
  for (uint8_t i = 0; i < 24; ++i) shape.rows.push_back(static_cast<uint8_t>(i * 10));
  return writeTemp(name, png_test::encodePng(shape));
}

bool samePixels(const PngPixels& a, const PngPixels& b) {
  return a.width == b.width && a.height == b.height &&
         std::memcmp(a.rgb.get(), b.rgb.get(), static_cast<size_t>(a.width) * a.height * 3) == 0;
}

TEST(ImagePrefetch, GivesThePixelsAndLevelsOfTheDirectDecode) {
  const std::string path = writeGradientPng("gradient.png");
  const ImageRequest request[] = {{path.c_str(), ImageKind::PngWithLevels}};
  prefetchImages(request);
  finishPrefetching();
  const std::unique_ptr<DecodedImage> ahead =
      takePrefetched(path.c_str(), ImageKind::PngWithLevels);
  ASSERT_NE(ahead, nullptr);
  PngPixels direct;
  ASSERT_TRUE(decodePngFile(path.c_str(), 0, &direct));
  std::vector<PngPixels> levels;
  ASSERT_TRUE(pickHalvedLevels(direct, &levels));
  ASSERT_TRUE(ahead->pngDecoded);
  EXPECT_TRUE(samePixels(ahead->png, direct));
  ASSERT_TRUE(ahead->levelsPicked);
  ASSERT_EQ(ahead->levels.size(), 2u) << "2 x 1, then 1 x 1";
  for (size_t i = 0; i < levels.size(); ++i)
    EXPECT_TRUE(samePixels(ahead->levels[i], levels[i])) << i;
  EXPECT_EQ(takePrefetched(path.c_str(), ImageKind::PngWithLevels), nullptr) << "taken once";
  EXPECT_EQ(takePrefetched(path.c_str(), ImageKind::Png), nullptr) << "never queued as that kind";
}

// A picture of `height` rows, each a band of the test's own size.
std::string writeTallPng(const std::string& name, uint32_t height) {
  png_test::PngSpec shape;
  shape.width = 8;
  shape.height = height;
  for (uint32_t i = 0; i < 8 * height * 3; ++i) shape.rows.push_back(static_cast<uint8_t>(i));
  return writeTemp(name, png_test::encodePng(shape));
}

constexpr int64_t kRowOfEight = 8;

// Without a thread nothing decodes until a band is asked for; a picture takes many bands, and
// together they make the direct decode, levels included.
TEST(PrefetchInBands, BandsTogetherMakeTheDirectDecode) {
  const std::string path = writeTallPng("tall.png", 64);
  PrefetchQueue queue(DecodeAhead::InBands);
  const ImageRequest request[] = {{path.c_str(), ImageKind::PngWithLevels}};
  queue.add(request, 0);
  EXPECT_EQ(queue.takeDecodedPng([](const DecodedImage&, ImageKind) { return true; }).image,
            nullptr);
  int bands = 0;
  while (queue.decodeBand(kRowOfEight)) ++bands;
  EXPECT_GE(bands, 64) << "a band is a row of eight pixels here";
  const std::unique_ptr<DecodedImage> ahead = queue.take({path, ImageKind::PngWithLevels});
  ASSERT_NE(ahead, nullptr);
  PngPixels direct;
  ASSERT_TRUE(decodePngFile(path.c_str(), 0, &direct));
  EXPECT_TRUE(samePixels(ahead->png, direct));
  EXPECT_TRUE(ahead->levelsPicked);
  EXPECT_EQ(ahead->levels.size(), 6u) << "4 x 32 down to 1 x 1";
}

// The picture being decoded is finished at once when its loader asks for it; one not begun
// leaves the queue, for the loader to decode itself.
TEST(PrefetchInBands, AskingForAPictureFinishesItOrLeavesItToTheLoader) {
  const std::string begun = writeTallPng("begun.png", 32);
  const std::string waiting = writeTallPng("waiting.png", 32);
  PrefetchQueue queue(DecodeAhead::InBands);
  const ImageRequest requests[] = {{begun.c_str(), ImageKind::Png},
                                   {waiting.c_str(), ImageKind::Png}};
  queue.add(requests, 0);
  ASSERT_TRUE(queue.decodeBand(kRowOfEight));
  ASSERT_TRUE(queue.decodeBand(kRowOfEight));
  const std::unique_ptr<DecodedImage> ahead = queue.take({begun, ImageKind::Png});
  ASSERT_NE(ahead, nullptr);
  PngPixels direct;
  ASSERT_TRUE(decodePngFile(begun.c_str(), 0, &direct));
  EXPECT_TRUE(samePixels(ahead->png, direct));
  EXPECT_EQ(queue.take({waiting, ImageKind::Png}), nullptr);
  EXPECT_FALSE(queue.decodeBand(kRowOfEight)) << "nothing is left to decode";
}

// The pack's files as a page gets them: those named in `inFiles` have arrived, the others are on
// their way.
std::vector<std::string> inFiles;
bool hasArrived(const char* fileName) {
  return std::find(inFiles.begin(), inFiles.end(), fileName) != inFiles.end();
}

// Decoding ahead takes the files that have arrived, in their order, and leaves one still on its
// way for when it is there, where reading it now would make a failure of a file that is coming.
TEST(PrefetchInBands, AFileStillOnItsWayWaitsItsTurn) {
  testing_support::ScopedPlatform platform;
  platform.table().fileArrived = hasArrived;
  const std::string coming = writeTallPng("coming.png", 8);
  const std::string here = writeTallPng("here.png", 8);
  inFiles = {here};
  PrefetchQueue queue(DecodeAhead::InBands);
  const ImageRequest requests[] = {{coming.c_str(), ImageKind::Png}, {here.c_str(), ImageKind::Png}};
  queue.add(requests, 0);
  while (queue.decodeBand(INT64_MAX)) {
  }
  EXPECT_NE(queue.take({here, ImageKind::Png}), nullptr);
  inFiles.push_back(coming);
  ASSERT_TRUE(queue.decodeBand(INT64_MAX)) << "it has arrived";
  const std::unique_ptr<DecodedImage> late = queue.take({coming, ImageKind::Png});
  ASSERT_NE(late, nullptr);
  EXPECT_TRUE(late->pngDecoded);
}

TEST(ImagePrefetch, ABrokenBmpIsToldWhenTheSceneLoadsIt) {
  testing_support::ScopedPlatform platform;
  DemoClock clock;
  bmp_test::BmpSpec shape;
  shape.pixels = {0, 0, 255, 0};
  shape.headerSize = 108;
  const std::string path = writeTemp("ahead_v4.bmp", bmp_test::buildBmp(shape));
  const ImageRequest request[] = {{path.c_str(), ImageKind::Bmp}};
  prefetchImages(request);
  finishPrefetching();
  EXPECT_TRUE(platformLog().boxes.empty()) << "nothing is shown while decoding ahead";
  int status = -1;
  try {
    clock.loadBmpTexture(path.c_str(), 0, 0);
  } catch (const testing_support::ProcessExit& exit) {
    status = exit.status;
  }
  EXPECT_EQ(status, 1);
  ASSERT_EQ(platformLog().boxes.size(), 2u);
  EXPECT_EQ(platformLog().boxes[0].text, "Unknown DIB file format.");
  EXPECT_EQ(platformLog().boxes[0].caption, "Error");
  EXPECT_EQ(platformLog().boxes[1].text, "can't load some texture");
  EXPECT_EQ(platformLog().boxes[1].caption, "ERROR!");
}

}  // namespace
