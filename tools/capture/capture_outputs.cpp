// Reading each frame back once and writing it to every output that wants it.
#include "capture_outputs.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::string frameFileName(const std::string& dir, int64_t index) {
  char name[32];
  std::snprintf(name, sizeof name, "frame_%06lld.png", static_cast<long long>(index));
  return (std::filesystem::path(dir) / name).string();
}

}  // namespace

ShotWriter pngShotWriter(int width, int height) {
  return [width, height, frame = FramePixels{}](const std::vector<Shot>& shots, const FrameInfo&) mutable {
    readBackBuffer(width, height, &frame);
    for (const Shot& shot : shots) {
      if (!writeFramePng(frame, shot.file)) return false;
    }
    return true;
  };
}

bool StreamOutputs::open(const std::string& framesDir, const VideoSpec* video) {
  framesDir_ = framesDir;
  std::error_code error;
  if (!framesDir_.empty() && !std::filesystem::create_directories(framesDir_, error) && error) {
    std::fprintf(stderr, "tamsirel-capture: cannot make %s: %s\n", framesDir_.c_str(),
                 error.message().c_str());
    return false;
  }
  if (video != nullptr) videoOpen_ = video_.open(*video);
  return video == nullptr || videoOpen_;
}

bool StreamOutputs::write(const FrameInfo& info, int width, int height) {
  readBackBuffer(width, height, &frame_);
  if (!framesDir_.empty() && !writeFramePng(frame_, frameFileName(framesDir_, info.index))) return false;
  return !videoOpen_ || video_.write(frame_);
}

bool StreamOutputs::finish() {
  if (!videoOpen_) return true;
  videoOpen_ = false;
  return video_.finish();
}

void StreamOutputs::abandon() {
  if (videoOpen_) video_.abandon();
  videoOpen_ = false;
}
