#include "device/buffer_sizing.h"

#include <algorithm>

namespace qel {
namespace {

size_t RoundUpToGranule(size_t bytes, size_t most) {
  if (bytes >= most) return most;
  const size_t rounded = (bytes + kBufferGranule - 1) / kBufferGranule * kBufferGranule;
  return std::min(rounded, most);
}

void StartQuietRun(BufferSizing& sizing) {
  sizing.quiet_frames = 0;
  sizing.quiet_peak = 0;
}

}  // namespace

void AskAtLeast(BufferSizing& sizing, size_t asked, size_t most) {
  sizing.floor = std::min(asked, most);
  if (sizing.capacity < sizing.floor) {
    sizing.capacity = sizing.floor;
    StartQuietRun(sizing);
  }
  // A capacity above the cap (the cap was lowered) comes down to it.
  sizing.capacity = std::min(sizing.capacity, most);
}

bool GrowFor(BufferSizing& sizing, size_t needed, size_t most) {
  if (sizing.capacity >= most) return false;
  // Half as much again as the frame needs leaves room for a frame that grows a little each
  // time (a log window gaining lines); doubling bounds the number of storage re-allocations.
  const size_t wanted = std::max({needed + needed / 2, sizing.capacity * 2, kBufferGranule});
  const size_t grown = RoundUpToGranule(wanted, most);
  if (grown <= sizing.capacity) return false;
  sizing.capacity = grown;
  StartQuietRun(sizing);
  return true;
}

bool NoteFrameUsed(BufferSizing& sizing, size_t used) {
  if (sizing.capacity <= sizing.floor || used > sizing.capacity / 4) {
    StartQuietRun(sizing);
    return false;
  }
  sizing.quiet_peak = std::max(sizing.quiet_peak, used);
  if (++sizing.quiet_frames < kQuietFramesBeforeShrink) return false;
  const size_t shrunk = std::max(sizing.floor, RoundUpToGranule(sizing.quiet_peak * 2, sizing.capacity));
  StartQuietRun(sizing);
  if (shrunk >= sizing.capacity) return false;
  sizing.capacity = shrunk;
  return true;
}

}  // namespace qel
