// libmp3lame in a single pass: encode all frames, flush, then rewrite the first (placeholder)
// frame with the finished Info tag. No ID3 tag is written, so that frame sits at offset 0.

#include "mp3_encoder.h"

#include <lame/lame.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kBitRateKbps = 192;
constexpr int kChunkFrames = 44100;
constexpr int kQuality = 5;  // LAME's 0 (best, slowest) to 9; 5 is its recommended default

struct LameDeleter {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

using LamePtr = std::unique_ptr<lame_global_flags, LameDeleter>;
using FilePtr = std::unique_ptr<FILE, FileCloser>;

LamePtr makeEncoder(int rate) {
  LamePtr lame(lame_init());
  if (!lame) return nullptr;
  lame_set_in_samplerate(lame.get(), rate);
  lame_set_out_samplerate(lame.get(), rate);
  lame_set_num_channels(lame.get(), 2);
  lame_set_mode(lame.get(), JOINT_STEREO);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_brate(lame.get(), kBitRateKbps);
  lame_set_quality(lame.get(), kQuality);
  lame_set_bWriteVbrTag(lame.get(), 1);
  lame_set_write_id3tag_automatic(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) return nullptr;
  return lame;
}

bool fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

bool writeAll(FILE* file, const unsigned char* bytes, size_t size) {
  return size == 0 || std::fwrite(bytes, 1, size, file) == size;
}

bool encodeFrames(lame_global_flags* lame, const std::vector<int16_t>& pcm, FILE* file,
                  std::string* error) {
  std::vector<unsigned char> out(kChunkFrames * 5 / 4 + 7200);
  size_t frames = pcm.size() / 2;
  for (size_t first = 0; first < frames; first += kChunkFrames) {
    int count = static_cast<int>(std::min<size_t>(kChunkFrames, frames - first));
    auto* samples = const_cast<short*>(reinterpret_cast<const short*>(pcm.data() + 2 * first));
    int bytes = lame_encode_buffer_interleaved(lame, samples, count, out.data(),
                                               static_cast<int>(out.size()));
    if (bytes < 0)
      return fail(error, "MP3 encoding failed (libmp3lame error " + std::to_string(bytes) + ")");
    if (!writeAll(file, out.data(), bytes))
      return fail(error, std::string("write failed: ") + std::strerror(errno));
  }
  int bytes = lame_encode_flush(lame, out.data(), static_cast<int>(out.size()));
  if (bytes < 0)
    return fail(error, "MP3 encoding failed while flushing (libmp3lame error " +
                           std::to_string(bytes) + ")");
  if (!writeAll(file, out.data(), bytes))
    return fail(error, std::string("write failed: ") + std::strerror(errno));
  return true;
}

bool writeInfoTag(lame_global_flags* lame, FILE* file, std::string* error) {
  unsigned char tag[2880];
  size_t size = lame_get_lametag_frame(lame, tag, sizeof tag);
  if (size == 0 || size > sizeof tag) return fail(error, "libmp3lame gave no Info tag frame");
  if (std::fseek(file, 0, SEEK_SET) != 0 || !writeAll(file, tag, size)) {
    return fail(error, std::string("writing the Info tag failed: ") + std::strerror(errno));
  }
  return true;
}

}  // namespace

bool encodeMp3(const std::vector<int16_t>& pcm, int rate, const std::string& path,
               std::string* error) {
  LamePtr lame = makeEncoder(rate);
  if (!lame)
    return fail(error, "libmp3lame refused the settings (" + std::to_string(rate) +
                           " Hz stereo, 192 kbit/s)");
  FilePtr file(std::fopen(path.c_str(), "wb"));
  if (!file) return fail(error, "cannot create " + path + ": " + std::strerror(errno));
  if (!encodeFrames(lame.get(), pcm, file.get(), error) ||
      !writeInfoTag(lame.get(), file.get(), error)) {
    return false;
  }
  FILE* raw = file.release();
  if (std::fclose(raw) != 0)
    return fail(error, "closing " + path + " failed: " + std::strerror(errno));
  return true;
}
