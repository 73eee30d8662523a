// Sound output through the browser's Web Audio, with the meaning and the error codes of the sound
// library the music player was written for. A stream is decoded whole by the browser when it is
// opened (so a file it cannot decode is reported then, before the dialog, as on the desktop) and
// played from the page's audio context, which the page unlocks at the viewer's first press in the
// dialog, as browsers ask. Tracker modules have no decoder in a browser: loading one reports an
// unknown format. Not here: stopping or pausing; the demo's music plays until the demo ends,
// when the page silences it and closes its context.
#include <emscripten.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/sound_error.h"
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

EM_JS(int, pageAudioInit, (), { return tamsirelPage.music.init() ? 1 : 0; });
// The page's handle for the decoded sound, or 0 when the browser cannot decode the bytes.
EM_ASYNC_JS(int, pageAudioDecode, (const uint8_t* bytes, int size),
            { return await tamsirelPage.music.decode(HEAPU8.slice(bytes, bytes + size)); });
EM_JS(int, pageAudioPlay, (int sound), { return tamsirelPage.music.play(sound) ? 1 : 0; });

bool initialised = false;
SoundError soundError;

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File openFile(const char* fileName) { return File(std::fopen(fileName, "rb"), std::fclose); }

// The whole file, or false when it cannot be read.
bool readWhole(const char* fileName, std::vector<uint8_t>* bytes) {
  const File file = openFile(fileName);
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
  bytes->resize(static_cast<size_t>(size));
  return std::fread(bytes->data(), 1, bytes->size(), file.get()) == bytes->size();
}

SoundStream* openStream(const char* fileName, SoundKind kind) {
  if (!initialised) return soundError.fail<SoundStream*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<SoundStream*>(kSoundInvalidParameter, nullptr);
  std::vector<uint8_t> bytes;
  if (!readWhole(fileName, &bytes))
    return soundError.fail<SoundStream*>(kSoundFileNotFound, nullptr);
  if (soundKindOf(bytes.data(), bytes.size()) != kind) {
    return soundError.fail<SoundStream*>(kSoundUnknownFormat, nullptr);
  }
  const int sound = pageAudioDecode(bytes.data(), static_cast<int>(bytes.size()));
  if (sound == 0) return soundError.fail<SoundStream*>(kSoundUnknownFormat, nullptr);
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
  if (!openFile(fileName)) return soundError.fail<SoundSong*>(kSoundFileNotFound, nullptr);
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
  if (pageAudioPlay(stream->pageSound) == 0) return soundError.fail(kSoundPlayError, -1);
  soundError.clear();
  return channel >= 0 ? channel : 0;
}

int musicPlaySong(SoundSong*) { return soundError.fail(kSoundInvalidParameter, -1); }

}  // namespace platform::web
