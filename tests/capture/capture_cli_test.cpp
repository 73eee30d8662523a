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
