// The sizing of the device's persistent buffers: grown at once to what a frame needs, held
// to the limit, shrunk only after a long run of small frames, never below what was asked.
#include "device/buffer_sizing.h"

#include <gtest/gtest.h>

#include <vector>

namespace qel {
namespace {

constexpr size_t KiB = 1024, MiB = 1024 * 1024;
constexpr size_t kLimit = 64 * MiB;

enum class Step { Ask, Grow, Used };
struct Event {
  Step step;
  size_t bytes;
  uint32_t times = 1;
};
struct Case {
  const char* name;
  std::vector<Event> events;
  size_t capacity;       // after the events
  bool last_result;      // what the last call answered (Ask answers true)
};

bool Apply(BufferSizing& sizing, const Event& e) {
  bool result = true;
  for (uint32_t i = 0; i < e.times; ++i) {
    switch (e.step) {
      case Step::Ask: AskAtLeast(sizing, e.bytes, kLimit); result = true; break;
      case Step::Grow: result = GrowFor(sizing, e.bytes, kLimit); break;
      case Step::Used: result = NoteFrameUsed(sizing, e.bytes); break;
    }
  }
  return result;
}

TEST(BufferSizing, FollowsTheFramesDrawn) {
  const uint32_t quiet = kQuietFramesBeforeShrink;
  const Case cases[] = {
      {"starts at what is asked", {{Step::Ask, 512 * KiB}}, 512 * KiB, true},
      {"a smaller ask keeps what was grown", {{Step::Ask, 512 * KiB}, {Step::Grow, 3 * MiB}, {Step::Ask, 4 * KiB}},
       4608 * KiB, true},
      {"grows to half as much again as needed", {{Step::Ask, 512 * KiB}, {Step::Grow, 4 * MiB}}, 6 * MiB, true},
      {"grows at least twofold", {{Step::Ask, 512 * KiB}, {Step::Grow, 513 * KiB}}, 1 * MiB, true},
      {"growth is held to the limit", {{Step::Ask, 512 * KiB}, {Step::Grow, 60 * MiB}}, kLimit, true},
      {"at the limit it cannot grow", {{Step::Ask, 512 * KiB}, {Step::Grow, 60 * MiB}, {Step::Grow, 70 * MiB}},
       kLimit, false},
      {"busy frames never shrink it",
       {{Step::Ask, 512 * KiB}, {Step::Grow, 4 * MiB}, {Step::Used, 4 * MiB, 2 * quiet}}, 6 * MiB, false},
      {"quiet frames shrink it to twice their peak",
       {{Step::Ask, 512 * KiB}, {Step::Grow, 8 * MiB}, {Step::Used, 1 * MiB, quiet - 1}, {Step::Used, 1100 * KiB}},
       2200 * KiB, true},
      {"one frame short of the run keeps it",
       {{Step::Ask, 512 * KiB}, {Step::Grow, 8 * MiB}, {Step::Used, 1 * MiB, quiet - 1}}, 12 * MiB, false},
      {"a busy frame starts the run again",
       {{Step::Ask, 512 * KiB},
        {Step::Grow, 8 * MiB},
        {Step::Used, 1 * MiB, quiet - 1},
        {Step::Used, 8 * MiB},
        {Step::Used, 1 * MiB, quiet - 1}},
       12 * MiB, false},
      {"never shrinks below what was asked",
       {{Step::Ask, 512 * KiB}, {Step::Grow, 8 * MiB}, {Step::Used, 10 * KiB, quiet}}, 512 * KiB, true},
      {"after shrinking, the same frames neither grow nor shrink it",
       {{Step::Ask, 512 * KiB}, {Step::Grow, 8 * MiB}, {Step::Used, 1 * MiB, quiet}, {Step::Used, 1 * MiB, 3 * quiet}},
       2 * MiB, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BufferSizing sizing;
    bool result = true;
    for (const Event& e : c.events) result = Apply(sizing, e);
    EXPECT_EQ(sizing.capacity, c.capacity);
    EXPECT_EQ(result, c.last_result);
  }
}

}  // namespace
}  // namespace qel
