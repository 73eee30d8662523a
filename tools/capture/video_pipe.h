// A video file written by Debian's ffmpeg: every frame goes down a pipe as raw RGB, and ffmpeg
// encodes it (H.264) and muxes the soundtrack (AAC) from the music file, starting the music at
// the given offset from the first frame. Not here: any encoding of our own.
#pragma once

#include <sys/types.h>
#include <sys/uio.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame_pixels.h"

struct VideoSpec {
  std::string file;  // .mp4 or .mkv; the extension chooses the container
  int width = 0;
  int height = 0;
  int fps = 0;
  int64_t durationMs = 0;     // the video is cut here
  std::string musicFile;      // empty: no sound track
  int64_t musicOffsetMs = 0;  // when the music starts, counted from the first frame
};

class VideoPipe {
 public:
  // Starts ffmpeg; false with the reason on standard error when it cannot be started.
  bool open(const VideoSpec& video);
  // Sends the frame top row first; false when ffmpeg has stopped taking frames (ffmpeg says why
  // on standard error).
  bool write(const FramePixels& frame);
  // Ends the stream and waits for ffmpeg; false when it did not finish the file.
  bool finish();
  // Asks ffmpeg to stop, so that a write blocked on the full pipe returns; safe beside a write.
  void stop();
  // Stops ffmpeg, removes the unfinished file and says so.
  void abandon();

 private:
  pid_t child_ = -1;
  int fd_ = -1;
  std::string file_;
  std::vector<iovec> rows_;
};
