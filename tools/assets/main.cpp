// tamsirel-assets OUTPUT_DIR [ORDER_FILE]: synthesises every image the demo reads (and its
// soundtrack) into OUTPUT_DIR, plus the application icon and a contact sheet for reviewers, and
// writes the names of the files the demo reads to ORDER_FILE, one a line, in the order the demo
// first needs them (the soundtrack, then the families in scene order): the page downloads them
// so. Deterministic: the same bytes on every run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "pack.h"
#include "writers.h"

#include "music/soundtrack.h"

namespace {

bool writeAsset(const std::string& dir, const Asset& a, std::string* error) {
  std::string path = dir + "/" + a.name;
  switch (a.kind) {
    case FileKind::Png:
      return writePng(path, a.image, error);
    case FileKind::Bmp24:
      return writeBmp24(path, a.image, error);
    case FileKind::Bmp8:
      return writeBmp8(path, a.image.width, a.image.height, a.indices, a.palette, error);
    case FileKind::Bmp1:
      return writeBmp1(path, a.image, error);
  }
  return false;
}

bool writeOrder(const std::string& path, const Pack& pack) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "tamsirel.mp3\n";
  for (const Asset& a : pack.files) out << a.name << '\n';
  out.close();
  return static_cast<bool>(out);
}

int failWith(const std::string& message) {
  std::fprintf(stderr, "tamsirel-assets: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: tamsirel-assets OUTPUT_DIR [ORDER_FILE]\n");
    return 2;
  }
  std::string dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) return failWith("cannot create " + dir + ": " + ec.message());

  // The soundtrack is independent of the images: it renders on its own thread meanwhile.
  std::string musicError;
  bool musicWritten = false;
  std::thread music([&] { musicWritten = writeSoundtrack(dir + "/tamsirel.mp3", &musicError); });
  struct Joiner {
    std::thread& t;
    ~Joiner() {
      if (t.joinable()) t.join();
    }
  } joiner{music};
  std::string error;
  Fonts fonts;
  if (!openFonts(fonts, TAMSIREL_FONT_DIR, &error)) return failWith(error);
  Pack pack;
  addOceanFamily(pack);
  addPhraseFamily(pack, fonts);
  addLogoFamily(pack, fonts);
  addPyramidFamily(pack);
  addForestFamily(pack);
  addFlareFamily(pack, fonts);
  for (const Asset& a : pack.files)
    if (!writeAsset(dir, a, &error)) return failWith(error);
  if (argc == 3 && !writeOrder(argv[2], pack)) return failWith(std::string("cannot write ") + argv[2]);

  Image icon = makeIcon(pack);
  if (!writePng(dir + "/tamsirel.png", icon, &error)) return failWith(error);
  pack.views.push_back({"tamsirel.png", "package", FileKind::Png, std::move(icon)});
  if (!writePng(dir + "/preview.png", makeContactSheet(pack, fonts), &error))
    return failWith(error);

  music.join();
  if (!musicWritten) return failWith("cannot write the soundtrack tamsirel.mp3: " + musicError);
  std::printf("tamsirel-assets: %zu images written to %s\n", pack.files.size() + 2, dir.c_str());
  return 0;
}
