// The texts are the original sound library's, spaces and all (two after the first full stop of
// code 1, a trailing one after code 12), since they are what the viewer reads.
#include "audio/sound_error_text.h"

namespace {

constexpr const char* kSoundErrorTexts[] = {
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

constexpr int kKnownCodes = sizeof(kSoundErrorTexts) / sizeof(kSoundErrorTexts[0]);

}  // namespace

const char* soundErrorText(int code) {
  if (code < 0 || code >= kKnownCodes) return "Unknown error";
  return kSoundErrorTexts[code];
}
