// Included before anything else, this makes a build see a libpng built without its I/O state,
// which Debian's libpng and ours have: the state's names are taken away, so that any use of
// them the decoder does not guard stops the build.
#pragma once

#include <png.h>

#undef PNG_IO_STATE_SUPPORTED
#undef PNG_IO_NONE
#undef PNG_IO_READING
#undef PNG_IO_WRITING
#undef PNG_IO_SIGNATURE
#undef PNG_IO_CHUNK_HDR
#undef PNG_IO_CHUNK_DATA
#undef PNG_IO_CHUNK_CRC
#undef PNG_IO_MASK_OP
#undef PNG_IO_MASK_LOC
#pragma GCC poison png_get_io_state png_get_io_chunk_type
