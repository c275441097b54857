/* The single translation unit that compiles Nuklear's implementation. */
#define NK_IMPLEMENTATION
#include "nuklear_config.h"

/* Nuklear keeps its default colour table to itself; the script's colour table starts from it. */
void qel_nk_default_color_table(struct nk_color out[NK_COLOR_COUNT]) {
    int i;
    for (i = 0; i < NK_COLOR_COUNT; ++i) out[i] = nk_default_color_style[i];
}
