// Data Nuklear's implementation keeps private, handed out by our own translation unit of it.
#pragma once

#include "nuklear_config.h"

#ifdef __cplusplus
extern "C" {
#endif

// Copies the library's default style colours, one per colour slot, into `out`.
void qel_nk_default_color_table(struct nk_color out[NK_COLOR_COUNT]);

#ifdef __cplusplus
}
#endif
