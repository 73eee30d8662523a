// The music player over the fake sound layer: the calls it makes for each sound type, the
// "ERROR!" text of each failure, and what play() reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/music_player.h"
#include "fake_window_platform.h"

using testing_support::FakeStep;
using testing_support::FakeWindowPlatform;
using testing_support::platformLog;
using testing_support::ProcessExit;
using Calls = std::vector<std::string>;

namespace {

// Constructs a player and returns the exit status it ended with, or -1 when it returned.
int constructionStatus(const char* file, SoundType type) {
  try {
    MusicPlayer player(file, type);
    return -1;
  } catch (const ProcessExit& exit) {
    return exit.status;
  }
}

}  // namespace

TEST(MusicPlayer, InitialisesTheOutputThenOpensTheFileOfItsType) {
  struct Case {
    SoundType type;
    const char* openCall;
    const char* playCall;
  };
  const Case cases[] = {
      {kSoundModule, "musicLoadSong:song.xm", "musicPlaySong"},
      {kSoundMpegStream, "streamOpenMpeg:song.xm:43", "streamPlay:-1"},
      {kSoundWavStream, "streamOpenWav:song.xm:43", "streamPlay:-1"},
  };
  for (const Case& c : cases) {
    FakeWindowPlatform fake;
    MusicPlayer player("song.xm", c.type);
    EXPECT_EQ(player.play(), 1);
    EXPECT_EQ(platformLog().calls, (Calls{"soundInit:44100:32:0", c.openCall, c.playCall}));
    EXPECT_EQ(player.fileName, "song.xm");
  }
}

TEST(MusicPlayer, EndsTheProgramWithTheSoundLayersErrorText) {
  struct Case {
    FakeStep failing;
    int code;
    const char* text;
  };
  const Case cases[] = {
      {FakeStep::SoundInit, 3, "Error initializing output device."},
      {FakeStep::OpenStream, 9, "File not found"},
      {FakeStep::OpenStream, 10, "Unknown file format"},
      {FakeStep::OpenStream, 42, "Unknown error"},
  };
  for (const Case& c : cases) {
    FakeWindowPlatform fake;
    fake.fail(c.failing, c.code);
    EXPECT_EQ(constructionStatus("tamsirel.mp3", kSoundMpegStream), 1) << c.text;
    ASSERT_EQ(platformLog().boxes.size(), 1u) << c.text;
    EXPECT_EQ(platformLog().boxes[0].text, c.text);
    EXPECT_EQ(platformLog().boxes[0].caption, "ERROR!");
    EXPECT_EQ(platformLog().boxes[0].icon, platform::BoxIcon::Stop);
  }
}

TEST(MusicPlayer, RefusesASoundTypeOtherThanOneToThree) {
  for (SoundType type : {0, 4, -2}) {
    FakeWindowPlatform fake;
    EXPECT_EQ(constructionStatus("tamsirel.mp3", type), 1);
    ASSERT_EQ(platformLog().boxes.size(), 1u);
    EXPECT_EQ(platformLog().boxes[0].text, "internal error: not a valid sound type");
    EXPECT_EQ(platformLog().calls.front(), "box:ERROR!:internal error: not a valid sound type")
        << "the sound output is not touched";
  }
}

TEST(MusicPlayer, PlayReportsZeroWhenTheLibraryRefuses) {
  for (SoundType type : {kSoundModule, kSoundMpegStream, kSoundWavStream}) {
    FakeWindowPlatform fake;
    MusicPlayer player("tamsirel.mp3", type);
    fake.fail(FakeStep::Play, 5);
    EXPECT_EQ(player.play(), 0) << "type " << type;
    EXPECT_TRUE(platformLog().boxes.empty()) << "the sequencer reports it, not the player";
  }
}
