// Draws every case with Mesa (an offscreen SDL window, as the pixel tests do) and writes the
// references the browser's pictures are compared with: DIR/NAME.ppm for each case, and
// DIR/cases.txt listing each case with the GL error left after it.
#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gl_cases.h"
#include "gl_fixture.h"

namespace {

bool writePpm(const std::string& path, const std::vector<uint8_t>& bottomFirstRgb) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", glcases::kSide, glcases::kSide);
  const size_t row = static_cast<size_t>(glcases::kSide) * 3;
  for (int y = glcases::kSide - 1; y >= 0; --y) {
    std::fwrite(bottomFirstRgb.data() + y * row, 1, row, file);
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  if (!testing_support::makeGlContext(glcases::kSide, glcases::kSide)) {
    std::fprintf(stderr, "gl-cases: no offscreen GL context\n");
    return 1;
  }
  FILE* list = std::fopen((dir + "/cases.txt").c_str(), "w");
  if (list == nullptr) {
    std::fprintf(stderr, "gl-cases: cannot write %s/cases.txt\n", dir.c_str());
    return 1;
  }
  for (const glcases::Case& c : glcases::cases()) {
    c.draw();
    const std::vector<uint8_t> rgb = testing_support::readBackBuffer(glcases::kSide, glcases::kSide);
    std::fprintf(list, "%s 0x%04x\n", c.name, glGetError());
    if (!writePpm(dir + "/" + c.name + ".ppm", rgb)) {
      std::fprintf(stderr, "gl-cases: cannot write %s/%s.ppm\n", dir.c_str(), c.name);
      return 1;
    }
    glcases::resetBetweenCases();
  }
  return std::fclose(list) == 0 ? 0 : 1;
}
