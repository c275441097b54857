// Measures the GL driver's work on the calling thread, in two kinds: buffer work (allocating,
// mapping, unmapping and filling buffers, fences) and draw calls (glDrawElements, where a
// software driver shades and bins the vertices on the caller's thread). For each: CPU time,
// calls and the heap allocations made inside the driver.
//
// GLEW calls buffer functions through pointers, so the meter puts its own in their place;
// glDrawElements comes straight from libGL, so the program defines it and forwards to the
// library's. Every caller in the process goes through them.
#pragma once

#include <cstdint>

namespace qel {

struct DriverWork {
  int64_t nanoseconds = 0;
  long allocations = 0;
  long calls = 0;
};

// Puts the measuring buffer functions in GLEW's table. Call once, after glewInit.
void InstallDriverWorkMeter();

// The work measured since the last call, and starts measuring again from zero.
DriverWork TakeDriverBufferWork();
DriverWork TakeDriverDrawWork();

}  // namespace qel
