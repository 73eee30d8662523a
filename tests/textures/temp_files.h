// Test files in a folder of their own under the test's temporary directory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "png_writer.h"

namespace textures_test {

inline std::string tempPath(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) /
                                    ("tamsirel_textures_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

inline std::string writeTemp(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = tempPath(name);
  EXPECT_TRUE(png_test::writeFile(path, bytes)) << path;
  return path;
}

}  // namespace textures_test
