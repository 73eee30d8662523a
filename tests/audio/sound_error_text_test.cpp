// The texts a viewer can read in the "ERROR!" box when the soundtrack cannot be set up: the two
// the demo's own files can cause, the two with odd spaces, and codes the library never gives.
#include <gtest/gtest.h>

#include <string>

#include "audio/sound_error_text.h"

TEST(SoundErrorText, GivesTheLibraryTextsAsWritten) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {9, "File not found"},
      {10, "Unknown file format"},
      {1, "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first."},
      {12, "Not enough memory "},
      {19, "Recording not supported on this device"},
      {-1, "Unknown error"},
      {20, "Unknown error"},
      {1 << 30, "Unknown error"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::string(soundErrorText(c.code)), c.text) << "code " << c.code;
}
