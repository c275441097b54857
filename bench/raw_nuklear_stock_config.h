// Raw Nuklear as a game would take it: the unpatched header, the feature switches its GL3 demo
// uses, 16-bit indices and Nuklear's own copy loops. Only the raw_nuklear_a module includes
// this; the include path of that module holds the stock header alone.
#pragma once

#define NK_INCLUDE_FIXED_TYPES
#define NK_INCLUDE_STANDARD_IO
#define NK_INCLUDE_STANDARD_VARARGS
#define NK_INCLUDE_DEFAULT_ALLOCATOR
#define NK_INCLUDE_VERTEX_BUFFER_OUTPUT
#define NK_INCLUDE_FONT_BAKING
#define NK_INCLUDE_DEFAULT_FONT

#include <nuklear.h>
