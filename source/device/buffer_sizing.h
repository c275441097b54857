// How big the device's vertex and element buffers are. The buffers keep their storage from
// frame to frame (re-specifying a GL buffer makes the driver allocate and clear new storage),
// so their size follows the frames actually drawn: it grows at once when a frame needs more,
// and shrinks only after a long run of frames that use a small part of it, so that one huge
// frame does not make every later frame map and invalidate a huge buffer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qel {

// Frames in a row that must each use at most a quarter of a buffer before it shrinks: about
// five seconds at 60 frames a second, long enough that an interface switching now and then
// between a large and a small screen does not re-specify its buffers each time.
inline constexpr uint32_t kQuietFramesBeforeShrink = 300;
// Sizes are kept in whole 4 KiB pages.
inline constexpr size_t kBufferGranule = 4096;

struct BufferSizing {
  size_t capacity = 0;  // bytes a frame is converted into
  size_t floor = 0;     // the least the caller asks for; never shrunk below
  // The current run of frames using at most a quarter of the capacity, and the most any of
  // them used.
  uint32_t quiet_frames = 0;
  size_t quiet_peak = 0;
};

// Raises the floor (and the capacity with it) to what the caller asks, held to `most`.
void AskAtLeast(BufferSizing& sizing, size_t asked, size_t most);

// After a frame that did not fit: grows the capacity to hold `needed` bytes with room to
// spare (at least doubling it), held to `most`. Returns false when it cannot grow.
bool GrowFor(BufferSizing& sizing, size_t needed, size_t most);

// After a frame that fitted and used `used` bytes: counts the quiet frames and, after
// kQuietFramesBeforeShrink of them, shrinks the capacity to twice the most they used (never
// below the floor). Returns true when the capacity shrank.
bool NoteFrameUsed(BufferSizing& sizing, size_t used);

}  // namespace qel
