// A frame's command list, checked before it is drawn. Nuklear links the commands of every
// window into one list by offsets; a list that links back on itself would make the drawing
// loop for ever, growing its buffers until memory runs out.
#pragma once

#include "nuklear_config.h"

namespace qel {

// True when walking the frame's commands (as drawing will) comes to an end: a list can hold
// no more commands than fit in the context's command memory, so a longer walk is a loop.
bool CommandListEnds(nk_context* ctx);

}  // namespace qel
