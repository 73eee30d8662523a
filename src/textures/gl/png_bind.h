// Our stand-in for glpng's pngBind over libpng: a PNG file into a new GL texture object, bound to
// GL_TEXTURE_2D, the file's first row at t = 0. Returns the texture name, 0 on any failure.
#pragma once

#include <cstdint>

struct PngInfo;  // glpng's information record; the program always passes nullptr

constexpr int kPngNoMipmaps = 0;
constexpr int kPngSimpleMipmaps = -2;
constexpr int kPngSolid = -1;

uint32_t pngBind(const char* fileName, int mipmap, int transparency, PngInfo* info, int wrap,
                 int minFilter, int magFilter);

// pngBind for a slot texture: with `deferIfAhead`, a file decoded ahead gets its object now and
// its image in bands from texture_uploads.h, all of it by the time it is first bound to draw.
uint32_t bindPng(const char* fileName, int mipmap, int transparency, PngInfo* info, int wrap,
                 int minFilter, int magFilter, bool deferIfAhead);
