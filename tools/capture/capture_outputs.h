// Where the frames of a run go: the shots' PNG files, or every frame into numbered PNG files
// in a folder and/or down the ffmpeg pipe of a video.
#pragma once

#include <string>

#include "capture_runs.h"
#include "video_pipe.h"

ShotWriter pngShotWriter(int width, int height);

class StreamOutputs {
 public:
  // Makes the frame folder and starts ffmpeg; false with the reason on standard error.
  bool open(const std::string& framesDir, const VideoSpec* video);
  // Reads the frame back and writes it to each output.
  bool write(const FrameInfo& info, int width, int height);
  bool finish();
  void abandon();

 private:
  std::string framesDir_;
  bool videoOpen_ = false;
  VideoPipe video_;
  FramePixels frame_;
};
