// Writing the minimal pack byte by byte: MPEG-1 layer III frames with no audio data decode as
// silence, and an 8 x 8 24-bit BMP with the 40-byte header is what the forest decodes.
#include "minimal_pack.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace {

constexpr int kSilentFrames = 800;  // about 21 s at 1152 samples per frame and 44.1 kHz

const char* const kForestFiles[] = {
    "foret11.bmp",     "foret12.bmp",     "foret13.bmp",     "foret14.bmp",     "foret21.bmp",
    "foret22.bmp",     "foret23.bmp",     "foret24.bmp",     "foret31.bmp",     "foret32.bmp",
    "foret33.bmp",     "foret34.bmp",     "foretmask11.bmp", "foretmask31.bmp", "foretmask32.bmp",
    "foretmask33.bmp", "foretmask34.bmp", "mapocean.bmp",    "mapecume2.bmp"};

void put32(std::vector<uint8_t>* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void put16(std::vector<uint8_t>* out, uint16_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}

std::vector<uint8_t> greyBmp() {
  constexpr int kSide = 8;
  constexpr uint32_t kPixelBytes = kSide * kSide * 3;
  std::vector<uint8_t> b = {'B', 'M'};
  put32(&b, 54 + kPixelBytes);
  put32(&b, 0);
  put32(&b, 54);
  put32(&b, 40);
  put32(&b, kSide);
  put32(&b, kSide);
  put16(&b, 1);
  put16(&b, 24);
  for (int i = 0; i < 6; ++i) put32(&b, 0);
  b.insert(b.end(), kPixelBytes, 0x80);
  return b;
}

std::vector<uint8_t> silentMp3() {
  // 128 kbit/s, 44.1 kHz, stereo: 417-byte frames; zero side information means no audio data.
  std::vector<uint8_t> frame(417, 0);
  frame[0] = 0xFF;
  frame[1] = 0xFB;
  frame[2] = 0x90;
  std::vector<uint8_t> out;
  for (int i = 0; i < kSilentFrames; ++i) out.insert(out.end(), frame.begin(), frame.end());
  return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

bool writeMinimalPack(const std::string& dir, const std::string& without) {
  bool ok = true;
  if (without != "tamsirel.mp3") ok = writeFile(dir + "/tamsirel.mp3", silentMp3()) && ok;
  for (const char* name : kForestFiles) {
    if (without != name) ok = writeFile(dir + "/" + name, greyBmp()) && ok;
  }
  return ok;
}
