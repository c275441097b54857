// The device's phase probe: a profiler set on the device is told the edges of each
// conversion of a frame, in pairs, and sees the converted frame at its end.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/plugin_state.h"
#include "device_fixture.h"

namespace qel {
namespace {

struct Edge {
  DevicePhase phase;
  size_t vertices;  // the draw list's vertices when told
};

std::vector<Edge>& Edges() {
  static std::vector<Edge> edges;
  return edges;
}

void RecordEdge(DevicePhase phase) { Edges().push_back({phase, Device().context.draw_list.vertex_count}); }

struct ProbedFrame {
  const char* name;
  int rectangles;            // anti-aliased 4x4 rectangles: 8 vertices each
  size_t most_conversions;   // a frame that does not fit is converted again, but not for ever
  size_t least_vertices;     // seen at the last conversion's end
};

void PrintTo(const ProbedFrame& frame, std::ostream* out) { *out << frame.name; }

const ProbedFrame kFrames[] = {
    {"EmptyWindow", 0, 1, 1},
    {"SmallFrame", 10, 1, 80},
    {"LargerThanTheFirstBuffers", 5000, 4, 40000},
    {"BeyondWhatIndicesAddress", 20000, 8, 1},
};

class PhaseProbeTest : public ::testing::TestWithParam<ProbedFrame> {
 protected:
  void SetUp() override {
    host_ = StartBoundHost(320, 240);
    ASSERT_TRUE(host_->ok());
    ASSERT_EQ(StartPlugin(std::string("render_device_phase_probe_test_") + GetParam().name + ".log"), 1);
    EnsureStyleFont();
    Edges().clear();
  }

  void DescribeRectangles(int count) {
    nk_context* ctx = Context();
    ASSERT_TRUE(nk_begin(ctx, "many", nk_rect(0, 0, 320, 240), NK_WINDOW_NO_SCROLLBAR | NK_WINDOW_BACKGROUND));
    nk_command_buffer* canvas = nk_window_get_canvas(ctx);
    for (int i = 0; i < count; ++i) nk_fill_rect(canvas, nk_rect(300, 200, 4, 4), 0, nk_rgba(0, 0, 255, 255));
    nk_end(ctx);
  }

  std::unique_ptr<ReferenceHost> host_;
};

TEST_P(PhaseProbeTest, ToldOfEachConversionInPairs) {
  const ProbedFrame& frame = GetParam();
  Device().phase_probe = &RecordEdge;
  DescribeRectangles(frame.rectangles);
  Sync();
  Device().phase_probe = nullptr;

  const std::vector<Edge>& edges = Edges();
  ASSERT_FALSE(edges.empty());
  ASSERT_EQ(edges.size() % 2, 0u);
  for (size_t i = 0; i < edges.size(); ++i)
    EXPECT_EQ(edges[i].phase, i % 2 ? DevicePhase::kConvertEnds : DevicePhase::kConvertBegins) << "edge " << i;
  EXPECT_LE(edges.size() / 2, frame.most_conversions);
  EXPECT_GE(edges.back().vertices, frame.least_vertices);
}

TEST_P(PhaseProbeTest, UnsetAgainItIsToldNothing) {
  Device().phase_probe = &RecordEdge;
  DescribeRectangles(GetParam().rectangles);
  Sync();
  const size_t told = Edges().size();
  Device().phase_probe = nullptr;
  DescribeRectangles(GetParam().rectangles);
  Sync();
  EXPECT_EQ(Edges().size(), told);
}

INSTANTIATE_TEST_SUITE_P(Frames, PhaseProbeTest, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<ProbedFrame>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qel
