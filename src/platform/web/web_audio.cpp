// Sound output through the browser's Web Audio, with the meaning and the error codes of the sound
// library the music player was written for. Opening a stream reads its file's first bytes from the
// pack's list, so that a file the pack does not have, or one that is no sound of that kind, is
// reported then, before the dialog, as on the desktop. The page decodes the whole file once it has
// arrived, while the dialog is up; playing it waits for that where it is not done yet, and reports
// a file that never arrived (the host lacks it, the link broke) or did not decode. It plays from
// the page's audio context, which the page unlocks at the viewer's first press in the dialog, as
// browsers ask. Tracker modules have no decoder in a browser: loading one reports an unknown
// format. Not here: stopping or pausing; the demo's music plays until the demo ends, when the page
// silences it and closes its context.
#include <emscripten.h>

#include <cstdint>

#include "platform/sound_error.h"
#include "platform/web/page_protocol.h"
#include "platform/web/sound_kind.h"
#include "platform/web/web_backend.h"

namespace platform {

struct SoundStream {
  int pageSound = 0;  // the page's handle for the decoded sound
};

struct SoundSong {};

}  // namespace platform

namespace platform::web {

namespace {

using namespace protocol;

constexpr int kHeadBytes = 12;  // what the pack's list keeps: enough for soundKindOf

EM_JS(int, pageAudioInit, (), { return tamsirelPage.music.init() ? 1 : 0; });
EM_JS(int, pageFileListed, (const char* name), {
  return tamsirelPage.files.listed(UTF8ToString(name)) ? 1 : 0;
});
// Up to `room` of the file's first bytes into `into`: their count, or -1 when the pack has no such
// file.
EM_JS(int, pageFileHead, (const char* name, uint8_t* into, int room), {
  const head = tamsirelPage.files.head(UTF8ToString(name));
  if (!head) return -1;
  const count = Math.min(room, head.length);
  HEAPU8.set(head.subarray(0, count), into);
  return count;
});
// The page's handle for the sound, decoded once the file has arrived; 0 without audio.
EM_JS(int, pageAudioOpen, (const char* name), {
  return tamsirelPage.music.open(UTF8ToString(name));
});
// protocol's kPlay*: started, or why not.
EM_ASYNC_JS(int, pageAudioPlay, (int sound), { return await tamsirelPage.music.play(sound); });

bool initialised = false;
SoundError soundError;

SoundStream* openStream(const char* fileName, SoundKind kind) {
  if (!initialised) return soundError.fail<SoundStream*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<SoundStream*>(kSoundInvalidParameter, nullptr);
  uint8_t head[kHeadBytes];
  const int size = pageFileHead(fileName, head, kHeadBytes);
  if (size < 0) return soundError.fail<SoundStream*>(kSoundFileNotFound, nullptr);
  if (soundKindOf(head, static_cast<size_t>(size)) != kind) {
    return soundError.fail<SoundStream*>(kSoundUnknownFormat, nullptr);
  }
  const int sound = pageAudioOpen(fileName);
  if (sound == 0) return soundError.fail<SoundStream*>(kSoundInitError, nullptr);
  soundError.clear();
  return new SoundStream{sound};
}

}  // namespace

bool soundInit(int, int, unsigned) {
  if (initialised) return soundError.fail(kSoundAlreadyInitialised, false);
  if (!pageAvailable() || pageAudioInit() == 0) return soundError.fail(kSoundInitError, false);
  initialised = true;
  soundError.clear();
  return true;
}

int soundGetError() { return soundError.last(); }

SoundSong* musicLoadSong(const char* fileName) {
  if (!initialised) return soundError.fail<SoundSong*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<SoundSong*>(kSoundInvalidParameter, nullptr);
  // No tracker module decoder in a browser: a file that is there is of an unknown format.
  if (pageFileListed(fileName) == 0) {
    return soundError.fail<SoundSong*>(kSoundFileNotFound, nullptr);
  }
  return soundError.fail<SoundSong*>(kSoundUnknownFormat, nullptr);
}

SoundStream* streamOpenMpeg(const char* fileName, unsigned) {
  return openStream(fileName, SoundKind::Mpeg);
}

SoundStream* streamOpenWav(const char* fileName, unsigned) {
  return openStream(fileName, SoundKind::Wav);
}

// One stream plays at a time; report the channel asked for, or 0 for "any".
int streamPlay(int channel, SoundStream* stream) {
  if (!initialised) return soundError.fail(kSoundNotInitialised, -1);
  if (stream == nullptr) return soundError.fail(kSoundInvalidParameter, -1);
  switch (pageAudioPlay(stream->pageSound)) {
    case kPlayStarted:
      break;
    case kPlayFileMissing:
      return soundError.fail(kSoundFileNotFound, -1);
    case kPlayUndecodable:
      return soundError.fail(kSoundUnknownFormat, -1);
    default:
      return soundError.fail(kSoundPlayError, -1);
  }
  soundError.clear();
  return channel >= 0 ? channel : 0;
}

int musicPlaySong(SoundSong*) { return soundError.fail(kSoundInvalidParameter, -1); }

}  // namespace platform::web
