// The demo's one queue of files decoded ahead. The build says whether it has threads: without
// them the files decode a band at a time between the frames, and while a dialog waits.
#include "textures/gl/image_prefetch.h"

#include "textures/gl/prefetch_queue.h"

namespace {

constexpr DecodeAhead kDecodeAhead =
    TAMSIREL_DECODE_AHEAD_ON_THREAD ? DecodeAhead::OnThread : DecodeAhead::InBands;

PrefetchQueue& queue() {
  static PrefetchQueue instance(kDecodeAhead);
  return instance;
}

}  // namespace

DecodedImage::~DecodedImage() {
  if (bmp.image == nullptr) return;
  delete[] bmp.image->pixels;
  delete bmp.image;
}

// The worker reads no environment: a setenv on another thread beside its getenv would be
// undefined, so the viewing gamma is read here, by the thread that queues the files.
void prefetchImages(std::span<const ImageRequest> files) {
  queue().add(files, viewingGammaFromEnvironment());
}

std::unique_ptr<DecodedImage> takePrefetched(const char* fileName, ImageKind kind) {
  if (fileName == nullptr) return nullptr;
  return queue().take({fileName, kind});
}

TakenPng takeDecodedPng(bool (*wanted)(const DecodedImage& image, ImageKind kind)) {
  return queue().takeDecodedPng(wanted);
}

bool decodeAheadBand() { return queue().decodeBand(kDecodeBandPixels); }

void finishPrefetching() { queue().finish(); }
