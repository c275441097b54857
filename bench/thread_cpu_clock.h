// CPU time of the calling thread, in nanoseconds: what the game's own thread spends, not the
// driver's worker threads, and not time spent waiting.
#pragma once

#include <time.h>

#include <cstdint>

namespace qel {

inline int64_t ThreadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

}  // namespace qel
