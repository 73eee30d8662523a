// libmpg123 behind MpegDecoder. A file is taken as MPEG audio only when it starts like one (an
// ID3 tag or a frame sync) and libmpg123 then finds a first frame, so another kind of file is an
// unknown format rather than noise; a missing file is "not found".
#include "platform/win32/mpeg_decoder.h"

#include <mpg123.h>

#include <cstdio>

#include "platform/platform.h"

namespace platform::win32 {

namespace {

bool looksLikeMpeg(const char* fileName, bool* found) {
  std::FILE* file = std::fopen(fileName, "rb");
  *found = file != nullptr;
  if (file == nullptr) return false;
  unsigned char head[3] = {0, 0, 0};
  const size_t got = std::fread(head, 1, sizeof(head), file);
  std::fclose(file);
  if (got < 2) return false;
  const bool id3 = got == 3 && head[0] == 'I' && head[1] == 'D' && head[2] == '3';
  const bool frameSync = head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;
  return id3 || frameSync;
}

bool libraryReady() {
  static const bool ready = mpg123_init() == MPG123_OK;
  return ready;
}

}  // namespace

std::unique_ptr<MpegDecoder> MpegDecoder::open(const char* fileName, int rate, int* error) {
  bool found = false;
  if (!looksLikeMpeg(fileName, &found)) {
    *error = found ? kSoundUnknownFormat : kSoundFileNotFound;
    return nullptr;
  }
  int status = MPG123_OK;
  mpg123_handle* handle = libraryReady() ? mpg123_new(nullptr, &status) : nullptr;
  if (handle == nullptr) {
    *error = kSoundNoMemory;
    return nullptr;
  }
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  mpg123_format_none(handle);
  mpg123_format(handle, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
  long frameRate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_open(handle, fileName) != MPG123_OK ||
      mpg123_getformat(handle, &frameRate, &channels, &encoding) != MPG123_OK) {
    mpg123_delete(handle);
    *error = kSoundUnknownFormat;
    return nullptr;
  }
  *error = kSoundNoError;
  return std::unique_ptr<MpegDecoder>(
      new MpegDecoder(handle, PcmFormat{static_cast<int>(frameRate), channels, 16}));
}

MpegDecoder::~MpegDecoder() {
  mpg123_close(handle_);
  mpg123_delete(handle_);
}

size_t MpegDecoder::read(uint8_t* out, size_t size) {
  size_t filled = 0;
  while (filled < size) {
    size_t done = 0;
    const int status = mpg123_read(handle_, out + filled, size - filled, &done);
    filled += done;
    if (status == MPG123_NEW_FORMAT) continue;  // the forced format: nothing changes
    if (status != MPG123_OK) break;             // the end, or a broken rest of the file
    if (done == 0) break;
  }
  return filled;
}

}  // namespace platform::win32
