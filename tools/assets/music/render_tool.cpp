// tamsirel-music-render: writes the soundtrack to the MP3 file named on the command line, for
// listening and for measuring it with sox without building the whole asset pack.

#include <cstdio>
#include <string>

#include "music/soundtrack.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.mp3\n", argv[0]);
    return 2;
  }
  std::string error;
  if (!writeSoundtrack(argv[1], &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
    return 1;
  }
  return 0;
}
