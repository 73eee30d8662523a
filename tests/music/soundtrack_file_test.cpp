// The finished soundtrack as the demo will get it: written by writeSoundtrack, decoded back, and
// measured for format, length, headroom, continuity and the loudness of its sections; and the
// PCM rendered twice, which must match sample for sample.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "mp3_decode.h"
#include "music/soundtrack.h"

namespace {

constexpr double kFullScale = 32768.0;

class SoundtrackFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tamsirel-soundtrack-" + std::to_string(::getpid()) + ".mp3");
    std::string error;
    written = new bool(writeSoundtrack(path.string(), &error));
    writeError = new std::string(error);
    decoded = new DecodedMp3(decodeMp3(path.string()));
    std::filesystem::remove(path);
  }

  static void TearDownTestSuite() {
    delete written;
    delete writeError;
    delete decoded;
  }

  void SetUp() override {
    ASSERT_TRUE(*written) << *writeError;
    ASSERT_TRUE(decoded->ok) << decoded->error;
  }

  // RMS of both channels between two times, in dBFS.
  static double rmsDb(double fromSeconds, double toSeconds) {
    long long first = static_cast<long long>(fromSeconds * decoded->rate);
    long long last = std::min(decoded->frames(), static_cast<long long>(toSeconds * decoded->rate));
    double sum = 0.0;
    for (long long i = 2 * first; i < 2 * last; ++i)
      sum += static_cast<double>(decoded->samples[i]) * decoded->samples[i];
    double rms = std::sqrt(sum / std::max(1LL, 2 * (last - first))) / kFullScale;
    return 20.0 * std::log10(rms + 1e-12);
  }

  static double seconds() { return static_cast<double>(decoded->frames()) / decoded->rate; }

  static bool* written;
  static std::string* writeError;
  static DecodedMp3* decoded;
};

bool* SoundtrackFile::written = nullptr;
std::string* SoundtrackFile::writeError = nullptr;
DecodedMp3* SoundtrackFile::decoded = nullptr;

}  // namespace

TEST_F(SoundtrackFile, IsStereoAt44100HzAndAboutThreeMinutesTwenty) {
  EXPECT_EQ(decoded->rate, 44100);
  EXPECT_EQ(decoded->channels, 2);
  EXPECT_GE(seconds(), 190.0);
  EXPECT_LE(seconds(), 210.0);
}

TEST_F(SoundtrackFile, PeaksStayBelowMinusHalfADecibel) {
  int peak = 0;
  for (int16_t sample : decoded->samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
  double peakDb = 20.0 * std::log10(peak / kFullScale);
  EXPECT_LT(peakDb, -0.5);
  EXPECT_GT(peakDb, -6.0);  // and the piece uses its headroom rather than sitting far below it
}

TEST_F(SoundtrackFile, NeverFallsSilentBeforeItsFadeOut) {
  double end = std::min(seconds(), 200.0) - 2.0;
  for (double t = 0.0; t + 1.0 <= end; t += 0.5) {
    ASSERT_GT(rmsDb(t, t + 1.0), -50.0) << "near-silence from " << t << " s";
  }
}

TEST_F(SoundtrackFile, SectionsFollowTheScenes) {
  double opening = rmsDb(0.0, 16.0);
  double ocean = rmsDb(16.0, 60.0);
  double pyramid = rmsDb(60.0, 100.0);
  double forest = rmsDb(100.0, 120.0);
  double final = rmsDb(120.0, 184.0);
  EXPECT_GT(pyramid, opening + 6.0);
  EXPECT_GT(final, opening + 6.0);
  EXPECT_GT(ocean, opening);         // the swell rises with the picture's fade-in
  EXPECT_LT(forest, pyramid - 2.0);  // the breakdown is calmer than the beat around it
  EXPECT_LT(forest, final - 2.0);
  EXPECT_LT(rmsDb(seconds() - 2.0, seconds()), final - 20.0);  // it fades out
}

TEST(SoundtrackRender, IsTheSameOnEveryRun) {
  std::vector<int16_t> first = renderSoundtrack();
  std::vector<int16_t> second = renderSoundtrack();
  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(first == second);
  EXPECT_EQ(first.size() % 2, 0u);
}
