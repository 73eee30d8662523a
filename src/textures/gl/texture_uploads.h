// Pictures decoded ahead on their way into their texture objects, a band of rows at the end of a
// frame, so that neither a scene's init nor any one of its frames carries a whole scene's
// pictures. A picture joins the queue at one of two moments, and leaves it the same way:
// - before its scene's init: a PNG decoded ahead for the scene that plays next goes into a
//   texture object of its own while the scene before plays; init takes that object;
// - at its scene's init: a picture decoded ahead, whose texture object init has just made (the
//   first scene's, decoded while the dialog was up and no GL existed; the forest's BMPs).
// Whatever is still unsent when a picture is needed goes at once. Only a picture the GL takes
// as it is goes before init; any other (a broken file above all) waits in the decode queue for
// init, which reports it exactly as a direct load would. Not here: decoding (image_prefetch.h).
#pragma once

#include <cstdint>
#include <vector>

#include "textures/gl/image_prefetch.h"
#include "textures/png/png_decode.h"

// At most this many texels go up in one band: about 0.2 ms on llvmpipe, plus about a millisecond
// a megabyte in the band that makes a level's storage.
constexpr int64_t kUploadBandTexels = 64 * 1024;

// Sends the next band of the longest-queued picture; when every queued picture is sent, first
// takes a PNG decoded ahead for the next scene, if any. False when there was nothing to
// send. Leaves the texture binding and the pixel store as they were.
bool sendUploadBand();

// A picture's levels as the queue takes them: `top` (level 0) first, then `smaller` in order.
std::vector<PngPixels> uploadLevels(PngPixels top, std::vector<PngPixels> smaller);

// From init: `levels` (level 0 first, rows packed) go into the texture object `name`, which init
// made, with the internal format the direct upload passes.
void queueUpload(uint32_t name, int internalFormat, std::vector<PngPixels> levels);

// Before `name` is bound to draw: sends whatever of its picture is still queued. Leaves `name`
// bound when it sent something.
void finishUpload(uint32_t name);

// Sends every picture that an init queued or claimed.
void finishQueuedUploads();

// The sides this GL keeps a `width` x `height` picture at: the same on a GL that takes any side,
// else the next powers of two. False when they pass the GL's largest side. The queue sends a
// picture ahead only when these are its own sides; pngBind stretches a picture to them.
bool glSidesFor(int32_t width, int32_t height, int32_t* glWidth, int32_t* glHeight);

// From init, for (fileName, kind): the texture object its picture went into before init, now the
// scene's like one queued by init (finishUpload sends the rest); 0 when it did not go ahead.
uint32_t claimSentAhead(const char* fileName, ImageKind kind);
