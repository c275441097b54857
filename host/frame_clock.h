// The engine's clock: milliseconds since start and the duration of the last frame. In
// manual mode time moves only at the end of each frame, by the set frame time, so a run is
// the same every time; otherwise it follows the system's steady clock.
#pragma once

#include <chrono>
#include <cstdint>

namespace qel::engine {

class FrameClock {
 public:
  FrameClock(bool manual, float frame_time);

  uint32_t Milliseconds() const;   // wraps around after 2^32 ms like a 32-bit counter
  float FrameTime() const { return frame_time_; }
  void SetMilliseconds(uint32_t ms);
  void SetFrameTime(float seconds);
  void EndFrame();

 private:
  using Clock = std::chrono::steady_clock;
  double Now() const;              // milliseconds on the real clock since start

  bool manual_;
  float frame_time_;
  // Manual mode: the time in tenths of a microsecond, a whole number, so that frame times
  // add up exactly (ten frames of 0.7f seconds are 7000 ms, not 6999).
  int64_t manual_ticks_ = 0;
  double offset_ms_ = 0;           // real mode: added to the real clock
  Clock::time_point start_ = Clock::now();
  double last_frame_end_ = 0;
};

}  // namespace qel::engine
