// The MP3 writer: a known tone survives encoding with its length (the LAME tag lets the decoder
// drop the encoder's padding), and a file that cannot be created is reported, not ignored.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "mp3_decode.h"
#include "music/dsp.h"
#include "music/mp3_encoder.h"
#include "music/soundtrack.h"

namespace {

std::vector<int16_t> tone(int frames, float hz) {
  std::vector<int16_t> pcm(2 * frames);
  for (int i = 0; i < frames; ++i) {
    float value = 0.5f * std::sin(kTwoPi * hz * i / kSampleRateHz);
    pcm[2 * i] = static_cast<int16_t>(value * 32767.0f);
    pcm[2 * i + 1] = static_cast<int16_t>(-value * 32767.0f);
  }
  return pcm;
}

std::filesystem::path tempFile(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::string("tamsirel-music-") + name + "-" + std::to_string(::getpid()) + ".mp3");
}

}  // namespace

TEST(Mp3Encoder, WritesATaggedStreamThatDecodesToTheSameLength) {
  std::filesystem::path path = tempFile("tone");
  std::string error;
  ASSERT_TRUE(encodeMp3(tone(30000, 440.0f), kSoundtrackRate, path.string(), &error)) << error;
  std::ifstream file(path, std::ios::binary);
  std::string head(200, '\0');
  file.read(head.data(), head.size());
  EXPECT_EQ(static_cast<unsigned char>(head[0]), 0xFF);  // an MPEG frame at offset 0, no ID3 tag
  EXPECT_NE(head.find("Info"), std::string::npos);
  EXPECT_NE(head.find("LAME"), std::string::npos);

  DecodedMp3 decoded = decodeMp3(path.string());
  ASSERT_TRUE(decoded.ok) << decoded.error;
  EXPECT_EQ(decoded.rate, 44100);
  EXPECT_EQ(decoded.channels, 2);
  EXPECT_EQ(decoded.frames(), 30000);
  // Left and right in opposite phase must stay so: the stereo image survives joint stereo.
  double product = 0.0;
  for (long long i = 2000; i < 28000; ++i)
    product += decoded.samples[2 * i] * static_cast<double>(decoded.samples[2 * i + 1]);
  EXPECT_LT(product, 0.0);
  std::filesystem::remove(path);
}

TEST(Mp3Encoder, ReportsAFileThatCannotBeCreated) {
  std::string error;
  EXPECT_FALSE(
      encodeMp3(tone(1000, 440.0f), kSoundtrackRate, "/nonexistent-folder/tamsirel.mp3", &error));
  EXPECT_NE(error.find("/nonexistent-folder/tamsirel.mp3"), std::string::npos);
  EXPECT_NE(error.find("No such file"), std::string::npos);
}
