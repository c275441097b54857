// The one way our code includes Nuklear: the feature switches every translation unit must
// agree on, then the patched header from the build folder.
#pragma once

#define NK_INCLUDE_FIXED_TYPES
#define NK_INCLUDE_STANDARD_IO
#define NK_INCLUDE_STANDARD_VARARGS
#define NK_INCLUDE_DEFAULT_ALLOCATOR
#define NK_INCLUDE_VERTEX_BUFFER_OUTPUT
#define NK_INCLUDE_FONT_BAKING
#define NK_INCLUDE_DEFAULT_FONT
// 32-bit vertex indices: a frame of a large inventory or a long log easily passes the 65,535
// vertices 16-bit indices address. The render device draws them as GL_UNSIGNED_INT.
#define NK_UINT_DRAW_INDEX
// Nuklear keeps one frame's typed text in NK_INPUT_MAX bytes and drops the rest; the host
// hands us a whole frame of characters at once, so leave plenty of room.
#define NK_INPUT_MAX 1024
// The C library's copies and fills are far faster than Nuklear's own loops (every vertex
// is copied). Nuklear also copies between overlapping ranges (moving text inside a string,
// its buffers' back end), which its own copy allows: hence memmove, not memcpy.
#include <string.h>
#define NK_MEMCPY memmove
#define NK_MEMSET memset

#include <nuklear.h>
