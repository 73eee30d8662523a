#include "textures/gl/prefetch_queue.h"

#include <algorithm>

#include "platform/platform.h"

PrefetchQueue::~PrefetchQueue() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_.clear();
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void PrefetchQueue::add(std::span<const ImageRequest> files, double viewingGamma) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    viewingGamma_ = viewingGamma;
    for (const ImageRequest& file : files) {
      const Key key{file.fileName, file.kind};
      if (!known(key)) waiting_.push_back(key);
    }
    if (how_ == DecodeAhead::OnThread && !worker_.joinable()) {
      worker_ = std::thread([this] { work(); });
    }
  }
  wake_.notify_all();
}

std::unique_ptr<DecodedImage> PrefetchQueue::take(const Key& key) {
  std::unique_lock<std::mutex> lock(mutex_);
  const auto waiting = std::find(waiting_.begin(), waiting_.end(), key);
  if (waiting != waiting_.end()) {
    waiting_.erase(waiting);
    return nullptr;
  }
  if (how_ == DecodeAhead::OnThread) {
    done_.wait(lock, [&] { return !decoding(key); });
  } else if (decoding(key)) {
    while (current_->step(INT64_MAX)) {
    }
    return std::exchange(current_, nullptr)->take();
  }
  const auto found = findDecoded(key);
  if (found == decoded_.end()) return nullptr;
  std::unique_ptr<DecodedImage> image = std::move(found->image);
  decoded_.erase(found);
  return image;
}

// A decoded picture no longer changes, and only the taking thread, this one, removes it: the
// pictures looked at stay whole and in place while `wanted` looks at them unlocked.
TakenPng PrefetchQueue::takeDecodedPng(bool (*wanted)(const DecodedImage&, ImageKind)) {
  for (const Offered& offered : decodedPngs()) {
    if (!wanted(*offered.image, offered.kind)) continue;
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto it = std::find_if(decoded_.begin(), decoded_.end(),
                                 [&](const Decoded& d) { return d.image.get() == offered.image; });
    TakenPng png{it->key.first, it->key.second, std::move(it->image)};
    decoded_.erase(it);
    return png;
  }
  return {};
}

bool PrefetchQueue::decodeBand(int64_t pixels) {
  if (how_ == DecodeAhead::OnThread) return false;
  const std::lock_guard<std::mutex> lock(mutex_);
  if (current_ == nullptr && !startNext()) return false;
  if (!current_->step(pixels)) keepCurrent();
  return true;
}

void PrefetchQueue::finish() {
  if (how_ == DecodeAhead::InBands) {
    while (decodeBand(INT64_MAX)) {
    }
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [&] { return waiting_.empty() && current_ == nullptr; });
}

std::deque<PrefetchQueue::Decoded>::iterator PrefetchQueue::findDecoded(const Key& key) {
  return std::find_if(decoded_.begin(), decoded_.end(),
                      [&](const Decoded& d) { return d.key == key; });
}

std::vector<PrefetchQueue::Offered> PrefetchQueue::decodedPngs() {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Offered> pngs;
  for (const Decoded& d : decoded_) {
    if (d.key.second != ImageKind::Bmp) pngs.push_back({d.image.get(), d.key.second});
  }
  return pngs;
}

bool PrefetchQueue::known(const Key& key) {
  return findDecoded(key) != decoded_.end() || decoding(key) ||
         std::find(waiting_.begin(), waiting_.end(), key) != waiting_.end();
}

bool PrefetchQueue::decoding(const Key& key) const {
  return current_ != nullptr && current_->fileName() == key.first && current_->kind() == key.second;
}

// In bands, the first file that has arrived: a page's files come over the network while the
// program runs, and one still on its way waits its turn without holding up the others. A worker
// thread's machine has its files on its disk.
bool PrefetchQueue::startNext() {
  auto next = waiting_.begin();
  if (how_ == DecodeAhead::InBands) {
    next = std::find_if(waiting_.begin(), waiting_.end(), [](const Key& key) {
      return platform::current().fileArrived(key.first.c_str());
    });
  }
  if (next == waiting_.end()) return false;
  current_ = std::make_unique<ImageDecode>(next->first, next->second, viewingGamma_);
  waiting_.erase(next);
  return true;
}

void PrefetchQueue::keepCurrent() {
  decoded_.push_back({{current_->fileName(), current_->kind()}, current_->take()});
  current_.reset();
}

// The worker decodes each file whole, outside the lock; `current_` is the worker's meanwhile,
// and the other threads only look at which file it is.
void PrefetchQueue::work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
    if (stopping_) return;
    startNext();
    ImageDecode* const decode = current_.get();
    lock.unlock();
    while (decode->step(INT64_MAX)) {
    }
    lock.lock();
    keepCurrent();
    done_.notify_all();
  }
}
