// Parsing and checking the command line; every mistake is named before anything runs.
#include "capture_options.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace {

const char kUsage[] =
    "usage: tamsirel-capture [--assets DIR] [--size WxH] [--fps N] WHAT\n"
    "  Plays the demo offscreen on a virtual clock (each frame 1000/N ms) in the asset folder\n"
    "  DIR (default: the current folder), at WxH pixels (default 800x600, up to 3840x2160),\n"
    "  N frames per second (default 60). A WxH that is not 4:3 holds the 4:3 picture between\n"
    "  black bars. WHAT is one of:\n"
    "  --shot SCENE:MS:FILE.png   the frame SCENE (ocean, pyramid, forest, final) draws at its\n"
    "                             time MS; repeatable; the run ends after the last shot\n"
    "  --frames DIR --duration MS every frame as DIR/frame_NNNNNN.png\n"
    "  --video FILE --duration MS every frame as an mp4 or mkv video with the soundtrack\n"
    "                             (--frames and --video may be given together)\n"
    "  --bench                    wall-clock times of each scene's initialisation and frames\n"
    "                             (scene time still 1000/N ms a frame), as JSON on standard "
    "output\n";

bool parseInt(std::string_view text, int64_t low, int64_t high, int64_t* value) {
  int64_t v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc() || ptr != end || text.empty() || v < low || v > high) return false;
  *value = v;
  return true;
}

bool parseSize(std::string_view text, CaptureOptions* options) {
  const size_t x = text.find('x');
  int64_t w = 0, h = 0;
  if (x == std::string_view::npos || !parseInt(text.substr(0, x), 1, kMaxWidth, &w) ||
      !parseInt(text.substr(x + 1), 1, kMaxHeight, &h)) {
    return false;
  }
  options->width = static_cast<int>(w);
  options->height = static_cast<int>(h);
  return true;
}

int sceneIndex(std::string_view name, const Scene* scenes) {
  for (int i = 0; i < kSceneCount; ++i) {
    if (name == scenes[i].name) return i;
  }
  return -1;
}

bool parseShot(std::string_view text, const Scene* scenes, Shot* shot) {
  const size_t first = text.find(':');
  const size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos || second + 1 == text.size()) return false;
  int64_t ms = 0;
  shot->scene = sceneIndex(text.substr(0, first), scenes);
  if (shot->scene < 0 || !parseInt(text.substr(first + 1, second - first - 1), 0, INT32_MAX, &ms)) {
    return false;
  }
  shot->ms = static_cast<int32_t>(ms);
  shot->file = std::filesystem::absolute(std::string(text.substr(second + 1))).string();
  return true;
}

bool endsWith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool takesValue(std::string_view name) {
  for (std::string_view known :
       {"--assets", "--size", "--fps", "--shot", "--frames", "--video", "--duration"}) {
    if (name == known) return true;
  }
  return false;
}

struct Given {
  bool fps = false;
  bool duration = false;
  bool bench = false;
  bool help = false;
};

// One option known to take a value, with that value; false with `error` set for a bad value.
bool takeOption(std::string_view name, std::string_view value, const Scene* scenes,
                CaptureOptions* o, Given* given, std::string* error) {
  int64_t n = 0;
  if (name == "--assets") {
    o->assets = std::string(value);
  } else if (name == "--size") {
    if (!parseSize(value, o)) *error = "--size wants WxH, at most 3840x2160";
  } else if (name == "--fps") {
    given->fps = true;
    if (parseInt(value, 1, kMaxFps, &n))
      o->fps = static_cast<int>(n);
    else
      *error = "--fps wants a whole number from 1 to 1000";
  } else if (name == "--shot") {
    Shot shot;
    if (parseShot(value, scenes, &shot))
      o->shots.push_back(shot);
    else
      *error = "--shot wants SCENE:MS:FILE with SCENE ocean, pyramid, forest or final";
  } else if (name == "--frames") {
    o->framesDir = std::filesystem::absolute(std::string(value)).string();
  } else if (name == "--duration") {
    given->duration = true;
    if (parseInt(value, 1, INT32_MAX, &n))
      o->durationMs = n;
    else
      *error = "--duration wants a positive number of milliseconds";
  } else {  // --video
    o->videoFile = std::filesystem::absolute(std::string(value)).string();
  }
  return error->empty();
}

// The combinations that make sense, and the mode they choose.
bool chooseMode(const Given& given, CaptureOptions* o, std::string* error) {
  const bool stream = !o->framesDir.empty() || !o->videoFile.empty();
  const int modes = (o->shots.empty() ? 0 : 1) + (stream ? 1 : 0) + (given.bench ? 1 : 0);
  if (given.help) {
    o->mode = CaptureMode::Help;
  } else if (modes != 1) {
    *error = modes == 0 ? "nothing to do: give --shot, --frames, --video or --bench"
                        : "--shot, --frames/--video and --bench do not go together";
  } else if (stream != given.duration) {
    *error = stream ? "--frames and --video need --duration (the final scene has no end)"
                    : "--duration goes with --frames or --video";
  } else if (!o->videoFile.empty() && !endsWith(o->videoFile, ".mp4") &&
             !endsWith(o->videoFile, ".mkv")) {
    *error = "--video writes a .mp4 or .mkv file";
  } else if (!o->videoFile.empty() && (o->width % 2 != 0 || o->height % 2 != 0)) {
    *error = "--video needs an even width and height";
  } else {
    o->mode = !o->shots.empty() ? CaptureMode::Shots
              : stream          ? CaptureMode::Stream
                                : CaptureMode::Bench;
  }
  return error->empty();
}

}  // namespace

bool parseCaptureOptions(int argc, const char* const* argv, const Scene* scenes,
                         CaptureOptions* options, std::string* error) {
  Given given;
  error->clear();
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (name == "--help" || name == "-h") {
      given.help = true;
    } else if (name == "--bench") {
      given.bench = true;
    } else if (!takesValue(name)) {
      *error = "unknown option " + std::string(name);
      return false;
    } else if (i + 1 >= argc) {
      *error = std::string(name) + " wants a value";
      return false;
    } else if (!takeOption(name, argv[++i], scenes, options, &given, error)) {
      return false;
    }
  }
  return chooseMode(given, options, error);
}

const char* captureUsage() { return kUsage; }
