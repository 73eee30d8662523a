// One worker thread and a queue under a mutex. The worker lives until the process exits; the
// queue's destructor, run among the exit handlers, stops and joins it, so it never runs on into
// objects being destroyed. The worker reads no environment: a setenv on another thread beside its
// getenv would be undefined, so the viewing gamma is read by the thread that queues the files.
#include "textures/gl/image_prefetch.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "textures/gl/texture_resample.h"

namespace {

bool powerOfTwo(int32_t side) { return side > 0 && (side & (side - 1)) == 0; }

std::unique_ptr<DecodedImage> decode(const std::string& fileName, ImageKind kind,
                                     double viewingGamma) {
  auto image = std::make_unique<DecodedImage>();
  if (kind == ImageKind::Bmp) {
    image->bmp = readBmpFile(fileName.c_str());
    return image;
  }
  image->pngDecoded = decodePngFile(fileName.c_str(), viewingGamma, &image->png);
  if (image->pngDecoded && kind == ImageKind::PngWithLevels && powerOfTwo(image->png.width) &&
      powerOfTwo(image->png.height)) {
    image->levelsPicked = pickHalvedLevels(image->png, &image->levels);
  }
  return image;
}

using Key = std::pair<std::string, ImageKind>;

class PrefetchQueue {
 public:
  ~PrefetchQueue() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
      waiting_.clear();
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
  }

  void add(std::span<const ImageRequest> files) {
    const double gamma = viewingGammaFromEnvironment();
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      viewingGamma_ = gamma;
      for (const ImageRequest& file : files) {
        const Key key{file.fileName, file.kind};
        if (known(key)) continue;
        waiting_.push_back(key);
      }
      if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    }
    wake_.notify_all();
  }

  std::unique_ptr<DecodedImage> take(const Key& key) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
      if (*it == key) {
        waiting_.erase(it);
        return nullptr;
      }
    }
    done_.wait(lock, [&] { return !(decoding_ && current_ == key); });
    const auto found = findDecoded(key);
    if (found == decoded_.end()) return nullptr;
    std::unique_ptr<DecodedImage> image = std::move(found->image);
    decoded_.erase(found);
    return image;
  }

  TakenPng takeDecodedPng(bool (*wanted)(const DecodedImage&, ImageKind)) {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = decoded_.begin(); it != decoded_.end(); ++it) {
      const auto& [fileName, kind] = it->key;
      if (kind == ImageKind::Bmp || !wanted(*it->image, kind)) continue;
      TakenPng png{fileName, kind, std::move(it->image)};
      decoded_.erase(it);
      return png;
    }
    return {};
  }

  void finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] { return waiting_.empty() && !decoding_; });
  }

 private:
  struct Decoded {
    Key key;
    std::unique_ptr<DecodedImage> image;
  };

  std::deque<Decoded>::iterator findDecoded(const Key& key) {
    return std::find_if(decoded_.begin(), decoded_.end(),
                        [&](const Decoded& d) { return d.key == key; });
  }

  bool known(const Key& key) {
    if (findDecoded(key) != decoded_.end() || (decoding_ && current_ == key)) return true;
    for (const Key& waiting : waiting_) {
      if (waiting == key) return true;
    }
    return false;
  }

  void work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
      if (stopping_) return;
      current_ = waiting_.front();
      waiting_.pop_front();
      decoding_ = true;
      const double gamma = viewingGamma_;
      lock.unlock();
      std::unique_ptr<DecodedImage> image = decode(current_.first, current_.second, gamma);
      lock.lock();
      decoded_.push_back({current_, std::move(image)});
      decoding_ = false;
      done_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;  // work queued, or the end
  std::condition_variable done_;  // a file decoded
  std::deque<Key> waiting_;
  Key current_;
  bool decoding_ = false;
  bool stopping_ = false;
  double viewingGamma_ = 0;  // as the environment had it at the last add
  std::deque<Decoded> decoded_;  // in the order they were decoded
  std::thread worker_;
};

PrefetchQueue& queue() {
  static PrefetchQueue instance;
  return instance;
}

}  // namespace

DecodedImage::~DecodedImage() {
  if (bmp.image == nullptr) return;
  delete[] bmp.image->pixels;
  delete bmp.image;
}

void prefetchImages(std::span<const ImageRequest> files) { queue().add(files); }

std::unique_ptr<DecodedImage> takePrefetched(const char* fileName, ImageKind kind) {
  if (fileName == nullptr) return nullptr;
  return queue().take({fileName, kind});
}

TakenPng takeDecodedPng(bool (*wanted)(const DecodedImage& image, ImageKind kind)) {
  return queue().takeDecodedPng(wanted);
}

void finishPrefetching() { queue().finish(); }
