// Reading each frame back once and writing it to every output that wants it. The read stays
// synchronous on purpose: on llvmpipe a glReadPixels into a pixel-pack buffer runs as a shader
// on the rasterizer threads and costs far more than the plain read; the overlap that matters,
// writing one frame while the next is drawn, comes from the ring.
#include "capture_outputs.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/demo_clock.h"

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

bool StreamOutputs::write(const FrameInfo& info) {
  ++drawn_;
  return ring_->push(info.index,
                     [](FramePixels* frame) { readBackBuffer(demoClock->letterbox, frame); });
}

// On the writer thread. Once the video is dropped, a write cut short by the stopped ffmpeg is no
// failure: the frame still went to the frame folder.
bool StreamOutputs::writeFrame(const FramePixels& frame, int64_t index) {
  if (!framesDir_.empty() && !writeFramePng(frame, frameFileName(framesDir_, index))) return false;
  if (!videoOpen_ || videoDropped_) return true;
  if (video_.write(frame) || videoDropped_) return true;
  std::fprintf(stderr, "tamsirel-capture: ffmpeg stopped taking frames\n");
  return false;
}

// A failed write leaves its frame and every later one unwritten; the output said why.
bool StreamOutputs::finishFrames() {
  if (!ring_) return true;
  ring_->finish();
  const int64_t unwritten = drawn_ - ring_->written();
  ring_.reset();
  if (unwritten == 0) return true;
  std::fprintf(stderr,
               "tamsirel-capture: %lld of the %lld frames drawn were not written: writing stopped "
               "at the failure above\n",
               static_cast<long long>(unwritten), static_cast<long long>(drawn_));
  return false;
}

bool StreamOutputs::finish() {
  if (!finishFrames()) return false;  // the caller abandons the outputs
  if (!videoOpen_) return true;
  videoOpen_ = false;
  return video_.finish();
}

void StreamOutputs::abandon() {
  // ffmpeg goes first: the writer may be waiting on its full pipe, and the frames still queued go
  // to the frame folder alone.
  videoDropped_ = true;
  if (videoOpen_) video_.stop();
  finishFrames();
  if (!videoOpen_) return;
  video_.abandon();
  videoOpen_ = false;
}
