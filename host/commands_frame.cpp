// Frame commands: the engine's update, render and present, and clearing the target.
#include "command_list.h"
#include "engine_frame.h"
#include "render_targets.h"

namespace qel::engine::commands {

void UPDATE_0_F(float seconds) { UpdateFrame(*LiveHost(), seconds); }

void RENDER_0_0() { RenderFrame(*LiveHost()); }

void SWAP_0_0() { SwapFrame(*LiveHost()); }

void SYNC_0_0() {
  HostState& host = *LiveHost();
  UpdateFrame(host, 0);
  RenderFrame(host);
  SwapFrame(host);
}

void CLEARSCREEN_0_0() { ClearTarget(*LiveHost()); }

}  // namespace qel::engine::commands
