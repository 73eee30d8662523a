// The last error of a backend's sound calls, kept as the sound library the music player was
// written for keeps it: each call sets it, soundGetError reads it. One per backend.
#pragma once

#include "platform/platform.h"

namespace platform {

class SoundError {
 public:
  int last() const { return last_; }
  void clear() { last_ = kSoundNoError; }
  // Records `code` and gives back `result`, the calling entry's failure value.
  template <typename T>
  T fail(int code, T result) {
    last_ = code;
    return result;
  }

 private:
  int last_ = kSoundNoError;
};

}  // namespace platform
