// A PNG whose chunk length says more than the input holds is refused without the heap ever
// holding that length: libpng allocates and clears a text chunk's declared length before it
// reads the data, and one flipped bit there once cost gigabytes. This program counts every byte
// the heap hands out (it replaces malloc, or hooks the address sanitizer's allocator when that
// owns malloc), so it is its own executable and no other test runs with it.
#include <gtest/gtest.h>
#include <malloc.h>
#include <png.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "png_writer.h"
#include "temp_files.h"
#include "textures/png/png_decode.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define COUNT_THROUGH_SANITIZER_HOOKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define COUNT_THROUGH_SANITIZER_HOOKS 1
#endif

#ifdef COUNT_THROUGH_SANITIZER_HOOKS
#include <sanitizer/allocator_interface.h>
#endif

namespace {

std::atomic<int64_t> heapLive{0};
std::atomic<int64_t> heapPeak{0};

void heapGained(size_t bytes) {
  const int64_t now = heapLive += static_cast<int64_t>(bytes);
  int64_t peak = heapPeak.load();
  while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
  }
}

void heapReleased(size_t bytes) { heapLive -= static_cast<int64_t>(bytes); }

}  // namespace

#ifdef COUNT_THROUGH_SANITIZER_HOOKS

namespace {

void onMalloc(const volatile void*, size_t bytes) { heapGained(bytes); }
void onFree(const volatile void* block) {
  heapReleased(__sanitizer_get_allocated_size(const_cast<const void*>(block)));
}
const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);

}  // namespace

#else

// The C library's own allocator under the names it exports for programs that replace malloc.
extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void* __libc_memalign(size_t, size_t);
extern "C" void __libc_free(void*);

namespace {

void* counted(void* block) {
  if (block != nullptr) heapGained(malloc_usable_size(block));
  return block;
}

}  // namespace

extern "C" void* malloc(size_t bytes) noexcept { return counted(__libc_malloc(bytes)); }
extern "C" void* calloc(size_t count, size_t bytes) noexcept {
  return counted(__libc_calloc(count, bytes));
}
extern "C" void* memalign(size_t alignment, size_t bytes) noexcept {
  return counted(__libc_memalign(alignment, bytes));
}
extern "C" void* aligned_alloc(size_t alignment, size_t bytes) noexcept {
  return memalign(alignment, bytes);
}
extern "C" int posix_memalign(void** block, size_t alignment, size_t bytes) noexcept {
  *block = memalign(alignment, bytes);
  return *block != nullptr || bytes == 0 ? 0 : ENOMEM;
}
extern "C" void free(void* block) noexcept {
  if (block != nullptr) heapReleased(malloc_usable_size(block));
  __libc_free(block);
}
extern "C" void* realloc(void* block, size_t bytes) noexcept {
  const size_t before = block != nullptr ? malloc_usable_size(block) : 0;
  void* moved = __libc_realloc(block, bytes);
  if (moved != nullptr || bytes == 0) heapReleased(before);
  return counted(moved);
}

#endif

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kSide = 16;
// What a decode may hold beyond its own pixels: libpng's structures, zlib's window, the stdio
// buffer of the file path. A chunk length with a corrupted top byte declares 128 MiB or more.
constexpr int64_t kHeapAllowance = int64_t{1} << 20;
constexpr uint8_t kCorruptTopByte = 0x08;

Bytes greyWithText(int compression) {
  png_test::PngSpec s;
  s.width = kSide;
  s.height = kSide;
  s.colorType = PNG_COLOR_TYPE_GRAY;
  s.bitDepth = 4;
  s.rows.assign(kSide / 2 * kSide, 0x4B);
  s.texts = {{compression, "Comment", "one of the demo's pictures"}};
  return png_test::encodePng(s);
}

// The first chunk of `type` gets `top` as the top byte of its length; its checksum is left as
// it was, as a flipped byte on a disk would leave it.
Bytes withLengthTopByte(Bytes file, const char* type, uint8_t top) {
  for (size_t at = 8; at + 8 <= file.size();) {
    const uint32_t length = png_get_uint_32(file.data() + at);
    if (std::memcmp(file.data() + at + 4, type, 4) == 0) {
      file[at] = top;
      return file;
    }
    at += 12 + size_t{length};
  }
  ADD_FAILURE() << "no " << type << " chunk";
  return file;
}

struct Decoded {
  bool ok = false;
  int64_t peakBytes = 0;  // beyond what the heap held when the decode began
};

Decoded decodeCounting(const Bytes& file, bool fromFile) {
  const std::string path = fromFile ? textures_test::writeTemp("counted.png", file) : "";
  PngPixels pixels;
  const int64_t before = heapLive.load();
  heapPeak = before;
  Decoded d;
  d.ok = fromFile ? decodePngFile(path.c_str(), 0, &pixels)
                  : decodePngMemory(file.data(), file.size(), 0, &pixels);
  d.peakBytes = heapPeak.load() - before;
  return d;
}

TEST(PngMemory, ACorruptChunkLengthIsRefusedWithinTheFilesOwnMemory) {
#ifdef COUNT_THROUGH_SANITIZER_HOOKS
  ASSERT_TRUE(hooksInstalled);
#endif
  const struct {
    const char* name;
    Bytes file;
    bool fromFile;
    bool decodes;
  } cases[] = {
      {"intact, from memory", greyWithText(PNG_TEXT_COMPRESSION_NONE), false, true},
      {"intact, from a file", greyWithText(PNG_TEXT_COMPRESSION_NONE), true, true},
      {"tEXt, from memory",
       withLengthTopByte(greyWithText(PNG_TEXT_COMPRESSION_NONE), "tEXt", kCorruptTopByte), false,
       false},
      {"tEXt, from a file",
       withLengthTopByte(greyWithText(PNG_TEXT_COMPRESSION_NONE), "tEXt", kCorruptTopByte), true,
       false},
      {"zTXt, from memory",
       withLengthTopByte(greyWithText(PNG_TEXT_COMPRESSION_zTXt), "zTXt", kCorruptTopByte), false,
       false},
      {"iTXt, from memory",
       withLengthTopByte(greyWithText(PNG_ITXT_COMPRESSION_NONE), "iTXt", kCorruptTopByte), false,
       false},
  };
  const int64_t pixelBytes = int64_t{kSide} * kSide * 3;
  for (const auto& c : cases) {
    ASSERT_FALSE(c.file.empty()) << c.name;
    const Decoded d = decodeCounting(c.file, c.fromFile);
    EXPECT_EQ(d.ok, c.decodes) << c.name;
    EXPECT_LE(d.peakBytes, pixelBytes + kHeapAllowance) << c.name;
  }
}

}  // namespace
