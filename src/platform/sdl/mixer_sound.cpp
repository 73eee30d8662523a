// Sound output over SDL2_mixer with the meaning and the error codes of the sound library the
// music player was written for: init, open a stream or a module, play it on SDL's own audio
// thread. Not here: stopping, pausing or closing; the demo's music plays until the process ends.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/stop_signal.h"
#include "platform/sound_error.h"

namespace platform {

struct SoundStream {
  Mix_Music* music = nullptr;
};

struct SoundSong {
  Mix_Music* music = nullptr;
};

}  // namespace platform

namespace platform::mixer {

namespace {

constexpr int kChunkSize = 2048;

bool initialised = false;
SoundError soundError;

// Runs at the runtime's exit so the audio thread is stopped before the decoders go away.
void closeAudio() {
  Mix_HaltMusic();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// The content decides the decoder; a file whose content is not of the kind the call names is an
// unknown format for that call, as a missing file is "not found".
Mix_Music* openMusic(const char* fileName, Mix_MusicType kind) {
  if (!initialised) return soundError.fail<Mix_Music*>(kSoundNotInitialised, nullptr);
  if (fileName == nullptr) return soundError.fail<Mix_Music*>(kSoundInvalidParameter, nullptr);
  SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
  if (file == nullptr) return soundError.fail<Mix_Music*>(kSoundFileNotFound, nullptr);
  Mix_Music* music = Mix_LoadMUS_RW(file, 1);
  if (music == nullptr) return soundError.fail<Mix_Music*>(kSoundUnknownFormat, nullptr);
  if (Mix_GetMusicType(music) != kind) {
    Mix_FreeMusic(music);
    return soundError.fail<Mix_Music*>(kSoundUnknownFormat, nullptr);
  }
  soundError.clear();
  return music;
}

SoundStream* openStream(const char* fileName, Mix_MusicType kind) {
  Mix_Music* music = openMusic(fileName, kind);
  return music != nullptr ? new SoundStream{music} : nullptr;
}

int playMusic(Mix_Music* music, int result) {
  if (!initialised) return soundError.fail(kSoundNotInitialised, -1);
  if (music == nullptr) return soundError.fail(kSoundInvalidParameter, -1);
  if (Mix_PlayMusic(music, 0) != 0) return soundError.fail(kSoundPlayError, -1);
  soundError.clear();
  return result;
}

}  // namespace

bool soundInit(int mixRate, int channels, unsigned flags) {
  (void)flags;  // no flag of the original library has a meaning here
  if (initialised) return soundError.fail(kSoundAlreadyInitialised, false);
  stop_signal::keepSdlHandlersOff();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return soundError.fail(kSoundInitError, false);
  if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, kChunkSize) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return soundError.fail(kSoundInitError, false);
  }
  Mix_AllocateChannels(channels);
  initialised = true;
  soundError.clear();
  std::atexit(closeAudio);
  return true;
}

int soundGetError() { return soundError.last(); }

SoundSong* musicLoadSong(const char* fileName) {
  Mix_Music* music = openMusic(fileName, MUS_MOD);
  return music != nullptr ? new SoundSong{music} : nullptr;
}

// The mode only chose buffering details in the original library; the decoder needs none.
SoundStream* streamOpenMpeg(const char* fileName, unsigned) {
  return openStream(fileName, MUS_MP3);
}

SoundStream* streamOpenWav(const char* fileName, unsigned) { return openStream(fileName, MUS_WAV); }

// Music has one channel of its own in SDL_mixer; report the one asked for, or 0 for "any".
int streamPlay(int channel, SoundStream* stream) {
  return playMusic(stream != nullptr ? stream->music : nullptr, channel >= 0 ? channel : 0);
}

int musicPlaySong(SoundSong* song) { return playMusic(song != nullptr ? song->music : nullptr, 1); }

}  // namespace platform::mixer
