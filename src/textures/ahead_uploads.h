// Pictures that go up to the GL before their scene's init: a PNG the worker has decoded ahead is
// sent while the scene before plays, a band of rows at the end of a frame, so that neither init
// nor any one frame carries a whole picture. Only a picture that decoded and that the GL takes as
// it is goes up ahead; any other (a broken file above all) waits untouched for init, which reports
// it exactly as it would have. Init finds the texture object made and its levels sent, and gives
// it its wrap and filters. Not here: decoding (image_prefetch.h), uploads after init
// (deferred_uploads.h).
#pragma once

#include <cstdint>
#include <memory>

#include "textures/image_prefetch.h"

// At most this many texels go up in one band: about 0.2 ms on llvmpipe, plus about a millisecond
// a megabyte in the band that makes a level's storage.
constexpr int64_t kAheadBandTexels = 64 * 1024;

// Sends the next band of the oldest picture decoded ahead; false when there was nothing to send.
// Leaves the texture binding and the pixel store as they were.
bool sendAheadBand();

// What went ahead for (fileName, kind), taken for its init: `name` is the texture object with
// every level sent (what was left of them goes now), or 0 when the picture waited for init.
// `image` is nullptr when the worker's picture for that file never came here.
struct SentAhead {
  std::unique_ptr<DecodedImage> image;
  uint32_t name = 0;
};
SentAhead takeSentAhead(const char* fileName, ImageKind kind);
