// libmpg123 read straight through; any decoding error fails the whole decode.

#include "mp3_decode.h"

#include <mpg123.h>

#include <memory>

namespace {

struct HandleDeleter {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};

DecodedMp3 failed(const std::string& message) {
  DecodedMp3 result;
  result.error = message;
  return result;
}

}  // namespace

DecodedMp3 decodeMp3(const std::string& path) {
  int status = MPG123_OK;
  std::unique_ptr<mpg123_handle, HandleDeleter> handle(mpg123_new(nullptr, &status));
  if (!handle) return failed(mpg123_plain_strerror(status));
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_GAPLESS, 0.0);
  if (mpg123_open(handle.get(), path.c_str()) != MPG123_OK)
    return failed(mpg123_strerror(handle.get()));
  DecodedMp3 result;
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &result.rate, &result.channels, &encoding) != MPG123_OK) {
    return failed(mpg123_strerror(handle.get()));
  }
  if (encoding != MPG123_ENC_SIGNED_16) return failed("decoder output is not 16-bit");
  std::vector<unsigned char> chunk(1 << 16);
  while (true) {
    size_t bytes = 0;
    status = mpg123_read(handle.get(), chunk.data(), chunk.size(), &bytes);
    const auto* pcm = reinterpret_cast<const int16_t*>(chunk.data());
    result.samples.insert(result.samples.end(), pcm, pcm + bytes / sizeof(int16_t));
    if (status == MPG123_DONE) break;
    if (status != MPG123_OK && status != MPG123_NEW_FORMAT)
      return failed(mpg123_strerror(handle.get()));
  }
  result.ok = true;
  return result;
}
