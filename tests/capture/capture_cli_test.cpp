// The tamsirel-capture binary as a user runs it: repeatable shots, a black first ocean frame,
// a video with its frame count and sound, and the failures (missing files, bad arguments) with
// their messages and exit statuses. Runs on the built asset pack when there is one.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "minimal_pack.h"

namespace fs = std::filesystem;

namespace {

struct Result {
  int status = -1;
  std::string out;  // standard output and error together
};

Result run(const std::string& command) {
  Result r;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CaptureCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("capture_cli_" + std::to_string(getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "pack");
  }
  void TearDown() override { fs::remove_all(dir); }

  // The built pack.
  std::string assets() { return CAPTURE_ASSETS; }

  Result capture(const std::string& assetDir, const std::string& args) {
    return run(std::string(CAPTURE_BINARY) + " --assets '" + assetDir + "' " + args);
  }

  fs::path dir;
};

std::vector<uint8_t> pngPixels(const fs::path& path, int* width, int* height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<uint8_t> pixels;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return pixels;
  image.format = PNG_FORMAT_RGB;
  pixels.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) pixels.clear();
  *width = static_cast<int>(image.width);
  *height = static_cast<int>(image.height);
  return pixels;
}

TEST_F(CaptureCli, TwoRunsOfTheSameShotsGiveIdenticalPngs) {
  const std::string pack = assets();
  const std::string shots =
      "--size 160x120 --fps 25 --shot ocean:15000:%1/o.png --shot pyramid:2500:%1/p.png "
      "--shot forest:1234:%1/f.png --shot final:3001:%1/z.png";
  for (const char* runDir : {"a", "b"}) {
    fs::create_directories(dir / runDir);
    std::string args = shots;
    for (size_t at; (at = args.find("%1")) != std::string::npos;)
      args.replace(at, 2, (dir / runDir).string());
    const Result r = capture(pack, args);
    ASSERT_EQ(r.status, 0) << r.out;
  }
  for (const char* name : {"o.png", "p.png", "f.png", "z.png"}) {
    const std::string a = readFile(dir / "a" / name);
    EXPECT_FALSE(a.empty()) << name;
    EXPECT_TRUE(a == readFile(dir / "b" / name)) << name << " differs between two runs";
  }
}

TEST_F(CaptureCli, TheFirstOceanFrameIsBlack) {
  const Result r = capture(assets(), "--shot ocean:0:" + (dir / "first.png").string());
  ASSERT_EQ(r.status, 0) << r.out;
  int width = 0, height = 0;
  const std::vector<uint8_t> pixels = pngPixels(dir / "first.png", &width, &height);
  ASSERT_EQ(width, 800);
  ASSERT_EQ(height, 600);
  size_t lit = 0;
  for (uint8_t v : pixels) lit += v != 0 ? 1 : 0;
  EXPECT_EQ(lit, 0u);
}

// A frame that is not 4:3 (a video's 16:9) holds, between black bars, exactly the frame a 4:3
// capture of the picture's size draws: the ocean at 30 s has letters along its bottom that a
// stretched or uncut 16:9 picture would show.
TEST_F(CaptureCli, AFrameOfAnotherShapeHoldsTheFourThreeFrameBetweenBlackBars) {
  struct Case {
    const char* size;
    int barLeft, barTop;  // the bars' width at each side and height at top and bottom
  };
  const Case cases[] = {{"320x180", 40, 0}, {"240x200", 0, 10}};
  const Result whole = capture(assets(), "--size 240x180 --shot ocean:30000:" +
                                             (dir / "picture.png").string());
  ASSERT_EQ(whole.status, 0) << whole.out;
  int pictureWidth = 0, pictureHeight = 0;
  const std::vector<uint8_t> picture = pngPixels(dir / "picture.png", &pictureWidth, &pictureHeight);
  ASSERT_EQ(picture.size(), 240u * 180u * 3u);
  for (const Case& c : cases) {
    const fs::path framed = dir / (std::string(c.size) + ".png");
    const Result r = capture(assets(), std::string("--size ") + c.size +
                                           " --shot ocean:30000:" + framed.string());
    ASSERT_EQ(r.status, 0) << r.out;
    int width = 0, height = 0;
    const std::vector<uint8_t> pixels = pngPixels(framed, &width, &height);
    ASSERT_EQ(width, pictureWidth + 2 * c.barLeft) << c.size;
    ASSERT_EQ(height, pictureHeight + 2 * c.barTop) << c.size;
    size_t litInBars = 0, differentInside = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int px = x - c.barLeft, py = y - c.barTop;
        const bool inside = px >= 0 && px < pictureWidth && py >= 0 && py < pictureHeight;
        for (int k = 0; k < 3; ++k) {
          const uint8_t v = pixels[(static_cast<size_t>(y) * width + x) * 3 + k];
          if (!inside) {
            litInBars += v != 0 ? 1 : 0;
          } else {
            const uint8_t want = picture[(static_cast<size_t>(py) * pictureWidth + px) * 3 + k];
            differentInside += v != want ? 1 : 0;
          }
        }
      }
    }
    EXPECT_EQ(litInBars, 0u) << c.size << ": the bars are not black";
    EXPECT_EQ(differentInside, 0u) << c.size << ": the middle is not the 4:3 capture's frame";
  }
}

TEST_F(CaptureCli, AFiveSecondVideoHasThreeHundredFramesAndASoundTrack) {
  const fs::path video = dir / "five.mp4";
  const Result r = capture(assets(), "--size 320x240 --duration 5000 --video " + video.string() +
                                         " --frames " + (dir / "frames").string());
  ASSERT_EQ(r.status, 0) << r.out;
  const Result frames =
      run("ffprobe -v error -select_streams v:0 -count_frames -show_entries "
          "stream=nb_read_frames -of csv=p=0 " +
          video.string());
  ASSERT_EQ(frames.status, 0) << frames.out;
  EXPECT_EQ(std::stoi(frames.out), 300);
  const Result audio =
      run("ffprobe -v error -select_streams a -show_entries stream=codec_type -of csv=p=0 " +
          video.string());
  EXPECT_NE(audio.out.find("audio"), std::string::npos) << audio.out;
  const auto files =
      std::distance(fs::directory_iterator(dir / "frames"), fs::directory_iterator{});
  EXPECT_EQ(files, 300);
  EXPECT_TRUE(fs::exists(dir / "frames" / "frame_000299.png"));
}

TEST_F(CaptureCli, MissingFilesEndTheRunWithTheDemosMessage) {
  struct Case {
    const char* missing;
    const char* message;
  };
  for (const Case& c : {Case{"foret23.bmp", "ERROR!: can't load some texture"},
                        Case{"tamsirel.mp3", "ERROR!: File not found"}}) {
    const fs::path pack = dir / c.missing;
    fs::create_directories(pack);
    ASSERT_TRUE(writeMinimalPack(pack.string(), c.missing));
    // At 10 fps the forest begins after a thousand frames.
    const Result r =
        capture(pack.string(), "--size 64x48 --fps 10 --shot forest:0:" + (dir / "x.png").string());
    EXPECT_EQ(r.status, 1) << c.missing << "\n" << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(dir / "x.png"));
  }
}

size_t filesIn(const fs::path& folder) {
  return static_cast<size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

// The forest's init fails on its missing tile right after the pyramid's last frame, while the
// writer is still a few frames behind the drawing (at this size writing a frame takes longer than
// drawing it): those frames are on disk too, and the unfinished video is not.
TEST_F(CaptureCli, AFatalEndWritesEveryFrameDrawn) {
  const fs::path pack = dir / "pack";
  ASSERT_TRUE(writeMinimalPack(pack.string(), "foret23.bmp"));
  const fs::path frames = dir / "frames";
  const fs::path video = dir / "cut.mp4";
  const Result r = capture(pack.string(), "--size 1280x960 --fps 1 --duration 200000 --frames " +
                                              frames.string() + " --video " + video.string());
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("ERROR!: can't load some texture"), std::string::npos) << r.out;
  // At 1 fps the ocean draws 61 frames (0 to 60 s) and the pyramid 41.
  EXPECT_EQ(filesIn(frames), 102u) << r.out;
  EXPECT_TRUE(fs::exists(frames / "frame_000101.png"));
  EXPECT_FALSE(fs::exists(video));
  EXPECT_NE(r.out.find("removed the unfinished video"), std::string::npos) << r.out;
}

// Frame 5 cannot be written (a folder has its name): the run ends there, not hanging, and says
// how many of the frames it drew were not written.
TEST_F(CaptureCli, AFailedFrameWriteEndsTheRunAndCountsTheFramesLost) {
  const fs::path frames = dir / "frames";
  fs::create_directories(frames / "frame_000005.png");
  const Result r = capture(assets(), "--size 64x48 --duration 20000 --frames " + frames.string());
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("cannot write " + (frames / "frame_000005.png").string()), std::string::npos)
      << r.out;
  const size_t said = r.out.find(" frames drawn were not written");
  ASSERT_NE(said, std::string::npos) << r.out;
  const size_t line = r.out.rfind('\n', said) + 1;  // 0 when it is the first line
  long long lost = 0, drawn = 0;
  ASSERT_EQ(std::sscanf(r.out.c_str() + line, "tamsirel-capture: %lld of the %lld", &lost, &drawn),
            2)
      << r.out;
  EXPECT_EQ(lost, drawn - 5) << r.out;
  EXPECT_EQ(filesIn(frames), 6u) << "frames 0 to 4 and the folder";
}

TEST_F(CaptureCli, BadArgumentsGiveTheUsageAndStatusTwo) {
  const std::string png = (dir / "x.png").string();
  const std::vector<std::string> badArguments = {std::string(""),
                                                 "--shot beach:0:" + png,
                                                 "--shot ocean:-5:" + png,
                                                 "--shot ocean:10",
                                                 "--size 800",
                                                 "--size 4000x3000 --shot ocean:0:" + png,
                                                 "--fps 0 --shot ocean:0:" + png,
                                                 "--frames " + png,
                                                 "--video out.avi --duration 1000",
                                                 "--video out.mp4 --duration 1000 --size 801x600",
                                                 "--duration 1000 --shot ocean:0:" + png,
                                                 "--bench --shot ocean:0:" + png,
                                                 "--colour 16",
                                                 "--shot"};
  for (const std::string& args : badArguments) {
    const Result r = run(std::string(CAPTURE_BINARY) + " " + args);
    EXPECT_EQ(r.status, 2) << args << "\n" << r.out;
    EXPECT_NE(r.out.find("usage: tamsirel-capture"), std::string::npos) << args;
  }
}

}  // namespace
