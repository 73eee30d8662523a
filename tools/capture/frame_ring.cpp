// One writer thread and a ring of frame buffers guarded by one mutex: a slot belongs to the
// drawing thread while it is free, and to the writer from the moment it is queued until written.
#include "frame_ring.h"

#include <utility>

FrameRing::FrameRing(int slots, Writer write)
    : write_(std::move(write)),
      slots_(static_cast<size_t>(slots)),
      writer_([this] { writeLoop(); }) {}

FrameRing::~FrameRing() { finish(); }

bool FrameRing::push(int64_t index, const Fill& fill) {
  size_t free = 0;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return failed_ || queued_ < slots_.size(); });
    if (failed_) return false;
    free = (oldest_ + queued_) % slots_.size();
  }
  // Outside the lock: the writer never touches a slot that is not queued.
  fill(&slots_[free].pixels);
  slots_[free].index = index;
  {
    std::lock_guard lock(mutex_);
    ++queued_;
  }
  changed_.notify_all();
  return true;
}

bool FrameRing::finish() {
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  changed_.notify_all();
  if (writer_.joinable()) writer_.join();
  std::lock_guard lock(mutex_);
  return !failed_;
}

int64_t FrameRing::written() {
  std::lock_guard lock(mutex_);
  return written_;
}

void FrameRing::writeLoop() {
  for (;;) {
    size_t slot = 0;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return finishing_ || queued_ > 0; });
      if (queued_ == 0) return;  // finishing, and nothing is left to write
      slot = oldest_;
    }
    const bool written = write_(slots_[slot].pixels, slots_[slot].index);
    {
      std::lock_guard lock(mutex_);
      oldest_ = (oldest_ + 1) % slots_.size();
      --queued_;
      if (written) ++written_;
      failed_ = !written;
    }
    changed_.notify_all();
    if (!written) return;
  }
}
