// Reading each frame back once and writing it to every output that wants it. The read stays
// synchronous on purpose: on llvmpipe a glReadPixels into a pixel-pack buffer runs as a shader
// on the rasterizer threads and costs far more than the plain read; the overlap that matters,
// writing one frame while the next is drawn, comes from the ring.
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

bool StreamOutputs::open(const std::string& framesDir, const VideoSpec* video) {
  framesDir_ = framesDir;
  std::error_code error;
  if (!framesDir_.empty() && !std::filesystem::create_directories(framesDir_, error) && error) {
    std::fprintf(stderr, "tamsirel-capture: cannot make %s: %s\n", framesDir_.c_str(),
                 error.message().c_str());
    return false;
  }
  if (video != nullptr) {
    videoOpen_ = video_.open(*video);
    if (!videoOpen_) return false;
  }
  ring_ = std::make_unique<FrameRing>(
      kQueuedFrames,
      [this](const FramePixels& frame, int64_t index) { return writeFrame(frame, index); });
  return true;
}

bool StreamOutputs::write(const FrameInfo& info, int width, int height) {
  return ring_->push(info.index, [&](FramePixels* frame) { readBackBuffer(width, height, frame); });
}

// On the writer thread.
bool StreamOutputs::writeFrame(const FramePixels& frame, int64_t index) {
  if (!framesDir_.empty() && !writeFramePng(frame, frameFileName(framesDir_, index))) return false;
  return !videoOpen_ || video_.write(frame);
}

bool StreamOutputs::finish() {
  if (!ring_->drain()) return false;  // the caller abandons the outputs
  ring_.reset();
  if (!videoOpen_) return true;
  videoOpen_ = false;
  return video_.finish();
}

void StreamOutputs::abandon() {
  // ffmpeg goes first: the writer may be blocked on its full pipe.
  if (videoOpen_) video_.stop();
  ring_.reset();
  if (videoOpen_) video_.abandon();
  videoOpen_ = false;
}
