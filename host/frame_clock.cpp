#include "frame_clock.h"

#include <cmath>

namespace qel::engine {

namespace {
constexpr int64_t kTicksPerMillisecond = 10000;
constexpr int64_t kTicksPerSecond = 10000000;
constexpr float kLongestFrame = 3600;  // seconds; anything longer is no frame time
}  // namespace

FrameClock::FrameClock(bool manual, float frame_time) : manual_(manual), frame_time_(0) {
  SetFrameTime(frame_time);
}

double FrameClock::Now() const {
  return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
}

uint32_t FrameClock::Milliseconds() const {
  if (manual_) return static_cast<uint32_t>(manual_ticks_ / kTicksPerMillisecond);  // wraps like the engine's counter
  const double ms = std::fmod(Now() + offset_ms_, 4294967296.0);
  return ms <= 0 ? 0u : static_cast<uint32_t>(ms);
}

void FrameClock::SetMilliseconds(uint32_t ms) {
  if (manual_)
    manual_ticks_ = int64_t{ms} * kTicksPerMillisecond;
  else
    offset_ms_ = ms - Now();
}

void FrameClock::SetFrameTime(float seconds) {
  if (std::isfinite(seconds) && seconds >= 0 && seconds <= kLongestFrame) frame_time_ = seconds;
}

void FrameClock::EndFrame() {
  if (manual_) {
    manual_ticks_ += std::llround(static_cast<double>(frame_time_) * kTicksPerSecond);
    return;
  }
  const double now = Now();
  frame_time_ = static_cast<float>((now - last_frame_end_) / 1000.0);
  last_frame_end_ = now;
}

}  // namespace qel::engine
