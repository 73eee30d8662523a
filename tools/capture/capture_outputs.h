// Where the frames of a run go: the shots' PNG files, or every frame into numbered PNG files
// in a folder and/or down the ffmpeg pipe of a video. A stream's frames are written on a thread
// of their own, a few frames behind the drawing (FrameRing).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "capture_runs.h"
#include "frame_ring.h"
#include "video_pipe.h"

// Frames read back but not yet written: enough to ride over ffmpeg taking its frames in bursts
// while drawing times vary from frame to frame; each holds one frame (2.7 MB at 1280x720).
constexpr int kQueuedFrames = 3;

class StreamOutputs {
 public:
  // Makes the frame folder, starts ffmpeg and the writer; false with the reason on standard error.
  bool open(const std::string& framesDir, const VideoSpec* video);
  // Reads the frame back, framed as the demo clock's letterbox says, and queues it for each
  // output; false once an output has failed.
  bool write(const FrameInfo& info);
  // Writes the queued frames and ends the video; false when a frame or the file failed.
  bool finish();
  // Ends a run that stops short (an error, a failed output): the frames drawn still go to the
  // frame folder, the unfinished video is removed, and each loss is said on standard error.
  void abandon();

 private:
  bool writeFrame(const FramePixels& frame, int64_t index);
  // Ends the writer once every queued frame is written; false, after saying how many frames
  // drawn were not written, when an output failed.
  bool finishFrames();

  std::string framesDir_;
  bool videoOpen_ = false;
  std::atomic<bool> videoDropped_{false};  // set while the writer may still run
  VideoPipe video_;
  std::unique_ptr<FrameRing> ring_;
  int64_t drawn_ = 0;
};
