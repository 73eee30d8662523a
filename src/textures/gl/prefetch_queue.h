// The files waiting to be decoded ahead, the one being decoded and the pictures made and not yet
// taken, under one mutex that guards those lists and nothing else: no caller's code runs while it
// is held, so a caller may ask the GL in what it hands the queue. The decoding runs one of two
// ways, fixed when the queue is made: on a worker thread of the queue's own, which starts at the
// first file queued and lives until the queue goes (the native builds); or, where the program
// starts no threads (the browser build), on the caller's thread, one band at a time between
// frames and while a dialog waits. Both make the same pictures, and a picture asked for while it
// is being decoded is always given whole. The pictures are taken on one thread, the one that
// puts them into the GL.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "textures/gl/image_decode.h"
#include "textures/gl/image_prefetch.h"

enum class DecodeAhead { OnThread, InBands };

class PrefetchQueue {
 public:
  using Key = std::pair<std::string, ImageKind>;

  explicit PrefetchQueue(DecodeAhead how) : how_(how) {}
  // Stops and joins the worker, so that it never runs on into objects being destroyed.
  ~PrefetchQueue();
  PrefetchQueue(const PrefetchQueue&) = delete;
  PrefetchQueue& operator=(const PrefetchQueue&) = delete;

  // Queues what is neither queued, being decoded nor decoded and untaken.
  void add(std::span<const ImageRequest> files, double viewingGamma);
  // The picture made of `key`; decoding it to the end first when it is being decoded (waiting
  // for the worker, or on this thread). nullptr when it was never queued or its decoding has not
  // begun: it leaves the queue, and the caller decodes the file itself.
  std::unique_ptr<DecodedImage> take(const Key& key);
  // The first-made PNG nobody has taken that `wanted` accepts; an empty image when none.
  // `wanted` is asked with the queue free.
  TakenPng takeDecodedPng(bool (*wanted)(const DecodedImage&, ImageKind));
  // InBands: decodes about `pixels` pixels of the files waiting, on this thread; false when
  // nothing waits that has arrived. OnThread: false at once, the worker does the decoding.
  bool decodeBand(int64_t pixels);
  // Returns once everything queued is decoded.
  void finish();

 private:
  struct Decoded {
    Key key;
    std::unique_ptr<DecodedImage> image;
  };

  // A decoded PNG nobody has taken, as it stood when looked at.
  struct Offered {
    const DecodedImage* image;
    ImageKind kind;
  };

  std::deque<Decoded>::iterator findDecoded(const Key& key);
  std::vector<Offered> decodedPngs();
  bool known(const Key& key);
  bool decoding(const Key& key) const;
  // Moves the next waiting file into `current_`; false when none waits (in bands: none has
  // arrived).
  bool startNext();
  // Puts what `current_` made among the decoded pictures.
  void keepCurrent();
  void work();

  const DecodeAhead how_;
  std::mutex mutex_;
  std::condition_variable wake_;  // work queued, or the end
  std::condition_variable done_;  // a file decoded
  std::deque<Key> waiting_;
  std::unique_ptr<ImageDecode> current_;  // the file being decoded
  bool stopping_ = false;
  double viewingGamma_ = 0;      // as the caller had it at the last add
  std::deque<Decoded> decoded_;  // in the order they were decoded
  std::thread worker_;
};
