// A script's frame as a game would write it: windows of rows, labels, coloured and wrapped
// text, images and buttons, described through the exports every frame. It measures
//   - the cost of describing the frame, per frame and per widget call, and
//   - the heap allocations of a steady-state frame, counted separately while describing
//     and while drawing (Render). Once fonts, images and buffers are made, a frame should
//     allocate nothing.
//
// Allocations are counted by counting_allocator.cpp, which takes over malloc and its family
// for the whole process and counts only the benchmark thread's. (Not built with the
// sanitizers, which own malloc themselves.)
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "counting_allocator.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"

namespace {

using ReferenceHost = class qel::Host;

constexpr int32_t kBorder = 1, kMovable = 2, kTitle = 64;
constexpr int32_t kLeft = 17, kCentered = 18;

// One panel of a game's interface: `rows` rows of a label, a coloured value, an image and two
// buttons, then a wrapped paragraph. Returns the number of widget calls it made.
int DescribePanel(const char* name, float x, int rows) {
  int widgets = 0;
  if (WindowBeginTitled(name, name, x, 10, 480, 740, kBorder | kMovable | kTitle)) {
    char value[32];
    for (int row = 0; row < rows; ++row) {
      LayoutRow(1, 24, "[120,90,24,100,100]");
      Label("Inventory slot", kLeft);
      std::snprintf(value, sizeof value, "%d coins", row * 7);
      LabelColored(value, kCentered, static_cast<int32_t>(0xFF60C0FFu));
      Image1("coin");
      ButtonLabel("Use");
      ButtonSymbolLabel(11, "Buy", kLeft);
      widgets += 6;
    }
    LayoutRowDynamic(60, 1);
    LabelWrap("Each frame the script describes the whole interface again, and each widget answers "
              "at once with what the user did.");
    widgets += 2;
  }
  WindowEnd();
  return widgets + 2;
}

int DescribeFrame(int rows_per_panel) {
  return DescribePanel("left", 10, rows_per_panel) + DescribePanel("right", 520, rows_per_panel);
}

using qel::StartCounting;
using qel::StopCounting;

void BM_DescribeFrame(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  int widgets = DescribeFrame(rows);  // the first frame makes the windows
  Render(1);
  long describe_allocations = 0, render_allocations = 0;
  for (auto _ : state) {
    StartCounting();
    widgets = DescribeFrame(rows);
    describe_allocations = StopCounting();
    state.PauseTiming();
    StartCounting();
    Render(1);
    render_allocations = StopCounting();
    state.ResumeTiming();
  }
  state.counters["widgets"] = widgets;
  state.counters["per_widget"] = benchmark::Counter(static_cast<double>(widgets) * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  // Of the last frame, which is a steady-state one.
  state.counters["allocs_describe"] = static_cast<double>(describe_allocations);
  state.counters["allocs_render"] = static_cast<double>(render_allocations);
}
BENCHMARK(BM_DescribeFrame)->Arg(5)->Arg(25)->ArgName("rows")->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qel::HostConfig config;
  config.width = 1024;
  config.height = 768;
  config.media_folder = QEL_MEDIA_FOLDER;
  auto host = std::make_unique<ReferenceHost>(config);
  if (!host->ok()) return 1;
  qel::ResolveHostCommands(&qel::Host::Lookup);
  LogSetLocation("/tmp/frame_bench.log");
  Init1(1);
  auto* load = reinterpret_cast<int32_t (*)(const char*)>(qel::Host::Lookup("LOADIMAGE_L_S"));
  if (!load || ImageCreate1("coin", load("coin.png")) <= 0) {
    std::fprintf(stderr, "frame_bench: the media folder %s has no coin.png\n", QEL_MEDIA_FOLDER);
    return 1;
  }
  qel::EnsureStyleFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
