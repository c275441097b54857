// The manual clock: time moves only at the end of each Swap, by the frame time.
#include <chrono>
#include <limits>
#include <thread>

#include "host_fixture.h"

namespace qel {
namespace {

class Clock : public HostTest {
 protected:
  CommandByName<int32_t()> milliseconds_{"GETMILLISECONDS_L_0"};
  CommandByName<float()> frame_time_{"GETFRAMETIME_F_0"};
};

TEST_F(Clock, SwapAdvancesMillisecondsByTheFrameTime) {
  EXPECT_EQ(milliseconds_(), 0);
  EXPECT_FLOAT_EQ(frame_time_(), 1.0f / 60.0f);
  host().Swap();
  host().Swap();
  host().Swap();
  EXPECT_EQ(milliseconds_(), 50);  // three 60 Hz frames, not 49
  host().Render();
  Command<void()>("RENDER_0_0")();
  EXPECT_EQ(milliseconds_(), 50);
  Command<void()>("SYNC_0_0")();
  EXPECT_EQ(milliseconds_(), 66);
}

TEST_F(Clock, SetTimeAndFrameTime) {
  host().SetMilliseconds(1000);
  host().SetFrameTime(0.7f);  // 0.69999998 as a float: still whole 700 ms steps
  EXPECT_FLOAT_EQ(frame_time_(), 0.7f);
  for (int i = 0; i < 10; ++i) host().Swap();
  EXPECT_EQ(milliseconds_(), 8000);
  host().SetFrameTime(-1.0f);  // refused
  EXPECT_FLOAT_EQ(frame_time_(), 0.7f);
  // The counter is a 32-bit one: it wraps.
  host().SetMilliseconds(0xFFFFFFFFu);
  host().SetFrameTime(0.002f);
  host().Swap();
  EXPECT_EQ(host().Milliseconds(), 1u);
}

TEST_F(Clock, FloorRoundsDownAndStaysInRange) {
  auto* floor_of = Command<int32_t(float)>("FLOOR_L_F");
  EXPECT_EQ(floor_of(2.9f), 2);
  EXPECT_EQ(floor_of(-0.5f), -1);
  EXPECT_EQ(floor_of(-3.0f), -3);
  EXPECT_EQ(floor_of(1e20f), 2147483647);
  EXPECT_EQ(floor_of(-1e20f), -2147483647 - 1);
  EXPECT_EQ(floor_of(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(RealClock, FollowsTheSystemClock) {
  HostConfig config;
  config.width = 32;
  config.height = 32;
  config.manual_clock = false;
  Host host(config);
  ASSERT_TRUE(host.ok());
  const uint32_t start = host.Milliseconds();
  host.Swap();
  const uint32_t before = host.Milliseconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  host.Swap();
  EXPECT_GE(host.Milliseconds() - start, 30u);
  EXPECT_GE(Command<float()>("GETFRAMETIME_F_0")(), 0.029f);
  EXPECT_GE(host.Milliseconds() - before, 30u);
}

}  // namespace
}  // namespace qel
