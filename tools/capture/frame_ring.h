// The frames of a stream on their way to the files: the drawing thread reads each finished frame
// back into a free slot of a small ring and goes on drawing the next one, while a writer thread
// hands the slots, oldest first, to the outputs (PNG files, the ffmpeg pipe). The ring's size
// bounds how far the drawing runs ahead of the writing. No GL call is made on the writer thread.
// Every frame queued is written before the writer ends, however the run ends, unless a write
// fails: then the writer stops there and the ring counts what it wrote.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "frame_pixels.h"

class FrameRing {
 public:
  // Writes one frame; false stops the writer and fails the ring.
  using Writer = std::function<bool(const FramePixels&, int64_t index)>;
  using Fill = std::function<void(FramePixels*)>;

  // Starts the writer thread.
  FrameRing(int slots, Writer write);
  // Finishes the writer (finish()).
  ~FrameRing();
  FrameRing(const FrameRing&) = delete;
  FrameRing& operator=(const FrameRing&) = delete;

  // Waits for a free slot, fills it on the calling thread and queues it for writing as frame
  // `index`; false once a write has failed.
  bool push(int64_t index, const Fill& fill);
  // Writes every queued frame, then ends the writer thread; false when a write failed, which
  // leaves the frames after it unwritten. An output the writer waits on (ffmpeg taking frames)
  // must go on taking them, or fail its writes, for this to return.
  bool finish();
  // Frames written so far; after finish(), all of them.
  int64_t written();

 private:
  struct Slot {
    FramePixels pixels;
    int64_t index = 0;
  };
  void writeLoop();

  Writer write_;
  std::vector<Slot> slots_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t oldest_ = 0;  // the slot written next
  size_t queued_ = 0;  // slots filled and not yet written, the one being written included
  int64_t written_ = 0;
  bool failed_ = false;
  bool finishing_ = false;
  std::thread writer_;
};
