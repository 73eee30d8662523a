// Sound output with the meaning and the error codes of the sound library the music player was
// written for: MPEG streams decoded by libmpg123, WAV streams by a small RIFF reader, both played
// through waveOut from a thread of their own. Tracker modules have no decoder here: loading one
// reports "unknown file format". Not here: stopping, pausing or closing a stream.
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/sound_error.h"
#include "platform/win32/mpeg_decoder.h"
#include "platform/win32/wav_reader.h"
#include "platform/win32/wave_output.h"
#include "platform/win32/win32_backend.h"

namespace platform {

struct SoundStream {
  std::unique_ptr<win32::MpegDecoder> mpeg;
  std::unique_ptr<win32::WavReader> wav;
  win32::WaveOutput output;  // declared last: stopped before the decoder goes
  bool playing = false;
};

struct SoundSong {};

}  // namespace platform

namespace platform::win32 {

namespace {

bool initialised = false;
int mixRate = 44100;
SoundError soundError;
std::vector<SoundStream*> playingStreams;

// At the runtime's exit the refilling threads stop before the decoders they read go away.
void stopPlayback() {
  for (SoundStream* stream : playingStreams) stream->output.stop();
}

PcmFormat formatOf(const SoundStream& stream) {
  return stream.mpeg != nullptr ? stream.mpeg->format() : stream.wav->format();
}

size_t readFrom(SoundStream* stream, uint8_t* out, size_t size) {
  return stream->mpeg != nullptr ? stream->mpeg->read(out, size) : stream->wav->read(out, size);
}

template <typename Open>
SoundStream* openStream(const char* fileName, Open open) {
  if (!initialised) return soundError.fail<SoundStream*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<SoundStream*>(kSoundInvalidParameter, nullptr);
  auto stream = std::make_unique<SoundStream>();
  int code = kSoundNoError;
  if (!open(*stream, fileName, &code)) return soundError.fail<SoundStream*>(code, nullptr);
  soundError.clear();
  return stream.release();
}

}  // namespace

bool soundInit(int rate, int channels, unsigned flags) {
  (void)channels;  // streams play on their own device; there is no channel pool to size
  (void)flags;     // no flag of the original library has a meaning here
  if (initialised) return soundError.fail(kSoundAlreadyInitialised, false);
  if (rate <= 0 || !WaveOutput::deviceAccepts(PcmFormat{rate, 2, 16}))
    return soundError.fail(kSoundInitError, false);
  mixRate = rate;
  initialised = true;
  soundError.clear();
  std::atexit(stopPlayback);
  return true;
}

int soundGetError() { return soundError.last(); }

SoundSong* musicLoadSong(const char* fileName) {
  if (!initialised) return soundError.fail<SoundSong*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<SoundSong*>(kSoundInvalidParameter, nullptr);
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return soundError.fail<SoundSong*>(kSoundFileNotFound, nullptr);
  std::fclose(file);
  return soundError.fail<SoundSong*>(kSoundUnknownFormat, nullptr);
}

// The mode only chose buffering details in the original library; the decoders need none.
SoundStream* streamOpenMpeg(const char* fileName, unsigned) {
  return openStream(fileName, [](SoundStream& s, const char* name, int* error) {
    s.mpeg = MpegDecoder::open(name, mixRate, error);
    return s.mpeg != nullptr;
  });
}

SoundStream* streamOpenWav(const char* fileName, unsigned) {
  return openStream(fileName, [](SoundStream& s, const char* name, int* error) {
    s.wav = WavReader::open(name, error);
    return s.wav != nullptr;
  });
}

// Each stream has a device of its own; report the channel asked for, or 0 for "any". A stream
// plays once: playing it again while it plays is refused.
int streamPlay(int channel, SoundStream* stream) {
  if (!initialised) return soundError.fail(kSoundNotInitialised, -1);
  if (stream == nullptr) return soundError.fail(kSoundInvalidParameter, -1);
  if (stream->playing) return soundError.fail(kSoundPlayError, -1);
  const bool started = stream->output.start(formatOf(*stream), [stream](uint8_t* out, size_t size) {
    return readFrom(stream, out, size);
  });
  if (!started) return soundError.fail(kSoundPlayError, -1);
  stream->playing = true;
  playingStreams.push_back(stream);
  soundError.clear();
  return channel >= 0 ? channel : 0;
}

int musicPlaySong(SoundSong* song) {
  if (!initialised) return soundError.fail(kSoundNotInitialised, -1);
  (void)song;  // no module can be loaded, so no song reaches here
  return soundError.fail(kSoundInvalidParameter, -1);
}

}  // namespace platform::win32
