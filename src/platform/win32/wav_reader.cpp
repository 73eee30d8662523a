// The RIFF walk: "RIFF" size "WAVE", then chunks of id and little-endian size, padded to even
// lengths; the "fmt " chunk must come before "data". Anything else is skipped.
#include "platform/win32/wav_reader.h"

#include <cstring>

#include "platform/platform.h"

namespace platform::win32 {

namespace {

constexpr uint16_t kPcmTag = 1;

uint32_t le32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool readFormat(std::FILE* file, uint32_t size, PcmFormat* format) {
  uint8_t fmt[16];
  if (size < sizeof(fmt) || std::fread(fmt, 1, sizeof(fmt), file) != sizeof(fmt)) return false;
  const uint16_t tag = le16(fmt), channels = le16(fmt + 2), bits = le16(fmt + 14);
  const uint32_t rate = le32(fmt + 4);
  if (tag != kPcmTag || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)) return false;
  if (rate == 0 || rate > 192000) return false;
  *format = PcmFormat{static_cast<int>(rate), channels, bits};
  const long rest = static_cast<long>((size - sizeof(fmt)) + (size & 1));
  return std::fseek(file, rest, SEEK_CUR) == 0;
}

// Leaves the file at the start of the data chunk and returns its length, 0 when there is none.
uint32_t findData(std::FILE* file, PcmFormat* format) {
  uint8_t riff[12];
  if (std::fread(riff, 1, sizeof(riff), file) != sizeof(riff)) return 0;
  if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return 0;
  bool haveFormat = false;
  uint8_t chunk[8];
  while (std::fread(chunk, 1, sizeof(chunk), file) == sizeof(chunk)) {
    const uint32_t size = le32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (!readFormat(file, size, format)) return 0;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      return haveFormat ? size : 0;
    } else if (std::fseek(file, static_cast<long>(size + (size & 1)), SEEK_CUR) != 0) {
      return 0;
    }
  }
  return 0;
}

}  // namespace

std::unique_ptr<WavReader> WavReader::open(const char* fileName, int* error) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) {
    *error = kSoundFileNotFound;
    return nullptr;
  }
  PcmFormat format;
  const uint32_t dataSize = findData(file, &format);
  if (dataSize == 0) {
    std::fclose(file);
    *error = kSoundUnknownFormat;
    return nullptr;
  }
  *error = kSoundNoError;
  return std::unique_ptr<WavReader>(new WavReader(file, format, dataSize));
}

WavReader::~WavReader() { std::fclose(file_); }

// A whole number of sample frames each time, so a short final piece never splits a frame.
size_t WavReader::read(uint8_t* out, size_t size) {
  const size_t frameBytes = static_cast<size_t>(format_.channels) * (format_.bitsPerSample / 8);
  size_t want = size < dataLeft_ ? size : dataLeft_;
  want -= want % frameBytes;
  const size_t got = std::fread(out, 1, want, file_);
  const size_t whole = got - got % frameBytes;
  dataLeft_ = got == want ? dataLeft_ - static_cast<uint32_t>(got) : 0;
  return whole;
}

}  // namespace platform::win32
