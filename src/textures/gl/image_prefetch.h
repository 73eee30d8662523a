// Images decoded ahead of the init that uploads them, so that a scene's init only uploads: the
// demo queues the first scene's files while the setup dialog is up and each later scene's while
// the one before plays. They decode on a worker thread, or, in a build without threads, a band
// at a time on the program's own thread, between frames and while the dialog waits. Either way
// the result is exactly what the direct load makes from the same file: a PNG's rows (and, for
// picked mipmaps, every halved level), a BMP's picture, or the failure, with the "Error" boxes
// the BMP decoder would show, which the loader shows when init asks for the file and not before.
// Not here: GL, and which files to queue.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "textures/bmp/bmp_decoder.h"
#include "textures/png/png_decode.h"

enum class ImageKind {
  Png,            // a PNG for pngBind without mipmaps
  PngWithLevels,  // a PNG for pngBind's picked mipmaps
  Bmp,            // a BMP for loadBmpTexture
};

struct ImageRequest {
  const char* fileName;
  ImageKind kind;
};

// What the worker made of one file. Owns the BMP picture until the loader takes it.
struct DecodedImage {
  DecodedImage() = default;
  ~DecodedImage();
  DecodedImage(const DecodedImage&) = delete;
  DecodedImage& operator=(const DecodedImage&) = delete;

  bool pngDecoded = false;  // decodePngFile's result
  PngPixels png;
  // With PngWithLevels and sides that are powers of two (which no GL stretches): levels 1 to
  // 1 x 1. Otherwise the loader picks them once it knows the uploaded size.
  bool levelsPicked = false;
  std::vector<PngPixels> levels;
  BmpRead bmp;  // readBmpFile's result
};

// Queues the files; the worker, where there is one, starts on the first call. A file already
// queued or decoded and not yet taken is not queued again. The viewing gamma the PNG files
// decode with is read from the environment here, on the calling thread.
void prefetchImages(std::span<const ImageRequest> files);

// The result for `fileName` of `kind`, decoded to its end first when it is being decoded;
// nullptr when it was never queued or its decoding has not begun (it is dropped from the
// queue), and then the caller decodes the file itself, as fast as the worker would.
std::unique_ptr<DecodedImage> takePrefetched(const char* fileName, ImageKind kind);

// The PNG finished first of those nobody has taken and `wanted` accepts, taken now
// without waiting; `image` is nullptr when there is none yet. `wanted` is asked with the queue
// unlocked, so it may ask the GL.
struct TakenPng {
  std::string fileName;
  ImageKind kind = ImageKind::Png;
  std::unique_ptr<DecodedImage> image;
};
TakenPng takeDecodedPng(bool (*wanted)(const DecodedImage& image, ImageKind kind));

// At most about this many pixels decode in one band of a build without threads: well under a
// millisecond of a frame.
constexpr int64_t kDecodeBandPixels = 16 * 1024;

// In a build without threads: decodes the next band of the files queued, here and now; false
// when nothing waits. With a worker thread: false at once.
bool decodeAheadBand();

// Returns once everything queued is decoded (the benchmark stands for the viewer's
// time in the setup dialog with it).
void finishPrefetching();
