// Every text the viewer can read in the "ERROR!" box when the soundtrack cannot be set up.
#include <gtest/gtest.h>

#include <string>

#include "audio/sound_error_text.h"

TEST(SoundErrorText, GivesTheLibraryTextForEveryCode) {
  const char* const expected[] = {
      "No errors",
      "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
      "This command failed because FSOUND_Init was not called",
      "Error initializing output device.",
      "The output device is already in use and cannot be reused.",
      "Playing the sound failed.",
      "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
      "Error setting cooperative level for hardware.",
      "Error creating hardware sound buffer.",
      "File not found",
      "Unknown file format",
      "Error loading file",
      "Not enough memory ",
      "The version number of this file format is not supported",
      "Incorrect mixer selected",
      "An invalid parameter was passed to this function",
      "Tried to use an EAX command on a non EAX enabled channel or output.",
      "Tried to use an advanced EAX2 command on a non EAX2 enabled channel or output.",
      "Failed to allocate a new channel",
      "Recording not supported on this device",
  };
  for (int code = 0; code < 20; ++code) {
    EXPECT_EQ(std::string(soundErrorText(code)), expected[code]) << "code " << code;
  }
}

TEST(SoundErrorText, CallsAnyOtherCodeUnknown) {
  for (int code : {-1, 20, 21, 255, 1 << 30}) {
    EXPECT_EQ(std::string(soundErrorText(code)), "Unknown error") << "code " << code;
  }
}
