// The decoding worker reads no environment variable: the viewing gamma comes from the thread that
// queues the files. Another thread's setenv beside a getenv is undefined behaviour, and the
// capture tool sets variables for SDL while the worker runs. This program defines getenv itself
// (as the C library has it, plus a note of the thread), so every getenv of the code under test
// comes here; it is its own executable, so no other test runs with it.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <string>

#include "png_writer.h"
#include "temp_files.h"
#include "test_environment.h"
#include "textures/gl/image_prefetch.h"

extern char** environ;

namespace {

std::atomic<bool> readOffTheMainThread{false};

}  // namespace

extern "C" char* getenv(const char* name) noexcept {
  if (syscall(SYS_gettid) != getpid()) readOffTheMainThread = true;
  const size_t length = std::strlen(name);
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, name, length) == 0 && (*entry)[length] == '=')
      return *entry + length + 1;
  }
  return nullptr;
}

namespace {

TEST(ImagePrefetch, TakesTheViewingGammaFromTheThreadThatQueues) {
  png_test::PngSpec grey;
  grey.colorType = 0;  // PNG_COLOR_TYPE_GRAY
  grey.rows = {128};
  const std::string path = textures_test::writeTemp("grey_gamma.png", png_test::encodePng(grey));
  testing_support::setEnvironment("VIEWING_GAMMA", "1.0");
  const ImageRequest request[] = {{path.c_str(), ImageKind::Png}};
  prefetchImages(request);
  finishPrefetching();
  testing_support::unsetEnvironment("VIEWING_GAMMA");
  EXPECT_FALSE(readOffTheMainThread) << "the worker read the environment";
  const std::unique_ptr<DecodedImage> image = takePrefetched(path.c_str(), ImageKind::Png);
  ASSERT_NE(image, nullptr);
  ASSERT_TRUE(image->pngDecoded);
  // An untagged 128 on a linear display: 255 * (128 / 255) ^ 2.2.
  EXPECT_EQ(image->png.rgb[0], 56);
}

}  // namespace
