/* Stock Nuklear's implementation for the raw_nuklear_a module. The module is built with hidden
   visibility, so these nk_* functions never meet the patched ones the plug-in links. */
#define NK_IMPLEMENTATION
#include "raw_nuklear_stock_config.h"
