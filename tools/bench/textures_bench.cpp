// Decoding throughput of our BMP decoder and our PNG path against stb_image and plain libpng,
// on the same synthesised files in the same run. Prints megapixels per second and the ratios;
// asserts nothing. The files are written to a temporary folder and removed afterwards.
#include <png.h>
#include <stb_image.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "textures/bmp/bmp_decoder.h"
#include "textures/png/png_decode.h"

namespace {

constexpr int kBmpSide = 2048;
constexpr int kPngSide = 1024;
constexpr int kRuns = 7;

void putLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A picture with smooth gradients and a little noise, so PNG compresses it as it would a photo.
uint8_t sample(int x, int y, int c) {
  const unsigned noise = (static_cast<unsigned>(x) * 2654435761u ^ y * 40503u ^ c * 97u) >> 28;
  return static_cast<uint8_t>((x * (c + 1) + y * (3 - c)) / 8 + noise);
}

std::vector<uint8_t> makeBmp(int side, int bits) {
  const int stride = (side * bits / 8 + 3) & ~3;
  const int tableEntries = bits == 8 ? 256 : 0;
  std::vector<uint8_t> f = {'B', 'M'};
  const uint32_t offset = 14 + 40 + 4 * tableEntries;
  putLe(f, offset + stride * side, 4);
  putLe(f, 0, 4);
  putLe(f, offset, 4);
  for (uint32_t v : {40u, uint32_t(side), uint32_t(side)}) putLe(f, v, 4);
  putLe(f, 1, 2);
  putLe(f, bits, 2);
  for (int i = 0; i < 6; ++i) putLe(f, 0, 4);
  for (int i = 0; i < tableEntries; ++i) putLe(f, uint32_t(i) * 0x010203u, 4);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < stride; ++x) {
      f.push_back(bits == 8 ? sample(x, y, 0) : sample(x / 3, y, x % 3));
    }
  }
  return f;
}

bool writePng(const std::string& path, int side) {
  std::vector<uint8_t> rgb(size_t(side) * side * 3);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side * 3; ++x) rgb[size_t(y) * side * 3 + x] = sample(x / 3, y, x % 3);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = side;
  image.height = side;
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// Best of kRuns, in megapixels per second; 0 when a decode fails.
double megapixelsPerSecond(double pixels, const std::function<bool()>& decode) {
  double best = 1e30;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!decode()) return 0;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return pixels / 1e6 / best;
}

bool ourBmp(const std::string& path) {
  RgbImage* image = readBmpFile(path.c_str()).image;
  if (image == nullptr) return false;
  delete[] image->pixels;
  delete image;
  return true;
}

bool stbDecode(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
  stbi_image_free(pixels);
  return pixels != nullptr;
}

bool ourPng(const std::string& path) {
  PngPixels pixels;
  return decodePngFile(path.c_str(), 0, &pixels);
}

// The textbook libpng read to 8-bit RGB, with no cap, checks or gamma.
bool plainLibpng(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> rgb;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  const uint32_t height = png_get_image_height(png, info);
  rgb.resize(rowBytes * height);
  for (uint32_t y = 0; y < height; ++y) rows.push_back(rgb.data() + rowBytes * y);
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  return true;
}

struct Row {
  const char* name;
  const std::string* path;
  double pixels;
  bool (*decode)(const std::string&);
};

}  // namespace

int main() {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("tamsirel_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string bmp24 = (dir / "rgb24.bmp").string();
  const std::string bmp8 = (dir / "indexed8.bmp").string();
  const std::string png = (dir / "rgb8.png").string();
  if (!writeFile(bmp24, makeBmp(kBmpSide, 24)) || !writeFile(bmp8, makeBmp(kBmpSide, 8)) ||
      !writePng(png, kPngSide)) {
    std::fprintf(stderr, "cannot write the bench files in %s\n", dir.c_str());
    return 1;
  }
  const double bmpPixels = double(kBmpSide) * kBmpSide;
  const double pngPixels = double(kPngSide) * kPngSide;
  const Row rows[] = {
      {"BMP 24-bit  ours (readBmpFile)", &bmp24, bmpPixels, ourBmp},
      {"BMP 24-bit  stb_image", &bmp24, bmpPixels, stbDecode},
      {"BMP 8-bit   ours (readBmpFile)", &bmp8, bmpPixels, ourBmp},
      {"BMP 8-bit   stb_image", &bmp8, bmpPixels, stbDecode},
      {"PNG RGB     ours (decodePngFile)", &png, pngPixels, ourPng},
      {"PNG RGB     plain libpng", &png, pngPixels, plainLibpng},
      {"PNG RGB     stb_image", &png, pngPixels, stbDecode},
  };
  double speed[std::size(rows)] = {};
  std::printf("texture decoding, best of %d runs (%dx%d BMP, %dx%d PNG)\n", kRuns, kBmpSide,
              kBmpSide, kPngSide, kPngSide);
  for (size_t i = 0; i < std::size(rows); ++i) {
    speed[i] = megapixelsPerSecond(rows[i].pixels, [&] { return rows[i].decode(*rows[i].path); });
    std::printf("  %-34s %8.1f Mpixel/s\n", rows[i].name, speed[i]);
  }
  std::printf("ratios\n");
  std::printf("  BMP 24-bit speed, ours / stb_image   %5.2f (goal >= 1.5)\n", speed[0] / speed[1]);
  std::printf("  BMP 8-bit  speed, ours / stb_image   %5.2f\n", speed[2] / speed[3]);
  std::printf("  PNG time, ours / plain libpng        %5.2f (goal <= 1.2)\n", speed[5] / speed[4]);
  std::printf("  PNG speed, ours / stb_image          %5.2f\n", speed[4] / speed[6]);
  std::filesystem::remove_all(dir);
  const bool allDecoded =
      std::all_of(std::begin(speed), std::end(speed), [](double s) { return s > 0; });
  return allDecoded ? 0 : 1;
}
