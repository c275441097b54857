// One engine frame: update, render the scene into the bound target, then present.
#pragma once

#include "host_state.h"

namespace qel::engine {

void UpdateFrame(HostState& host, float seconds);
void RenderFrame(HostState& host);
// Captures the back buffer (when the host keeps frames), presents it, then ends the frame:
// this frame's input edges and strings go, new window events come in, the clock moves on.
void SwapFrame(HostState& host);

}  // namespace qel::engine
