// Where drawing goes: the screen (the window's back buffer) or a render image, and the
// sizes and read-back that go with each.
#pragma once

#include <cstdint>

#include "host_state.h"

namespace qel::engine {

void DeviceSize(const HostState& host, int& width, int& height);   // framebuffer pixels
void TargetSize(const HostState& host, int& width, int& height);   // of the bound target
bool BindRenderImage(HostState& host, int32_t image_id, int32_t depth_image_id);  // false: unchanged
void BindScreen(HostState& host);
void ClearTarget(HostState& host);                                   // colour and depth
Pixels ReadBackBuffer(const HostState& host);                        // opaque, top row first

}  // namespace qel::engine
