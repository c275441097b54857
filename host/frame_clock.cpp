#include "frame_clock.h"

#include <cmath>

namespace qel::engine {

FrameClock::FrameClock(bool manual, float frame_time) : manual_(manual), frame_time_(0) {
  SetFrameTime(frame_time);
}

double FrameClock::Now() const {
  return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
}

uint32_t FrameClock::Milliseconds() const {
  // The small allowance keeps a float frame time such as 0.7f (0.69999998...) from losing a
  // millisecond when the sum is cut to whole milliseconds.
  const double ms = std::fmod((manual_ ? manual_ms_ : Now() + offset_ms_) + 1e-4, 4294967296.0);
  return ms <= 0 ? 0u : static_cast<uint32_t>(ms);
}

void FrameClock::SetMilliseconds(uint32_t ms) {
  if (manual_)
    manual_ms_ = ms;
  else
    offset_ms_ = ms - Now();
}

void FrameClock::SetFrameTime(float seconds) {
  if (std::isfinite(seconds) && seconds >= 0) frame_time_ = seconds;
}

void FrameClock::EndFrame() {
  if (manual_) {
    manual_ms_ += frame_time_ * 1000.0;
    return;
  }
  const double now = Now();
  frame_time_ = static_cast<float>((now - last_frame_end_) / 1000.0);
  last_frame_end_ = now;
}

}  // namespace qel::engine
