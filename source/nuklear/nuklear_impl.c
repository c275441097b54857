/* The single translation unit that compiles Nuklear's implementation. */
#define NK_IMPLEMENTATION
#include "nuklear_config.h"
