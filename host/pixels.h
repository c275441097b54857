// Helpers on RGBA pixel arrays.
#pragma once

#include "qelhost.h"

namespace qel::engine {

void FlipRows(Pixels& pixels);  // bottom row first <-> top row first

}  // namespace qel::engine
