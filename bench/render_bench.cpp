// The cost of drawing one frame (Render) for interfaces of 100, 1,000 and 10,000 draw
// commands, per frame and per vertex, with anti-aliasing off and on. Times are wall-clock and
// include waiting for GL to finish the frame; describing the interface is not timed.
//
// An anti-aliased rectangle takes 8 vertices, so 10,000 of them (80,000 vertices) are more
// than 16-bit indices address: that case draws only what fits, and its label says so.
#include <benchmark/benchmark.h>

#include <memory>

#include "device/render_device.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "frame/plugin_state.h"
#include "qelhost.h"

namespace {

using ReferenceHost = qel::Host;
ReferenceHost* g_host = nullptr;

// Fills a window with `commands` small rectangles, the commonest shape of an interface.
void DescribeInterface(int commands) {
  nk_context* ctx = qel::Context();
  if (!nk_begin(ctx, "bench", nk_rect(0, 0, 1000, 700), NK_WINDOW_NO_SCROLLBAR)) {
    nk_end(ctx);
    return;
  }
  nk_command_buffer* canvas = nk_window_get_canvas(ctx);
  for (int i = 0; i < commands; ++i) {
    const float x = static_cast<float>((i * 7) % 990), y = static_cast<float>((i * 13) % 690);
    nk_fill_rect(canvas, nk_rect(x, y, 8, 8), 0.0f, nk_rgba(i & 255, 128, 64, 255));
  }
  nk_end(ctx);
}

void BM_Render(benchmark::State& state) {
  const int commands = static_cast<int>(state.range(0));
  const int32_t anti_aliasing = static_cast<int32_t>(state.range(1));
  size_t vertices = 0;
  bool clipped = false;
  glFinish();
  for (auto _ : state) {
    // Render clears the context, so every frame is described again, outside the timing.
    state.PauseTiming();
    DescribeInterface(commands);
    state.ResumeTiming();
    Render(anti_aliasing);
    glFinish();
    vertices = qel::Device().context.draw_list.vertex_count;
    clipped = clipped || qel::Device().last_frame_clipped;
  }
  state.counters["vertices"] = static_cast<double>(vertices);
  // A rate counter divides by the benchmark's own time, which UseRealTime makes wall-clock.
  state.counters["per_vertex"] = benchmark::Counter(static_cast<double>(vertices) * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  if (clipped) state.SetLabel("clipped: beyond 16-bit indices, drawn in part");
}
BENCHMARK(BM_Render)
    ->ArgsProduct({{100, 1000, 10000}, {0, 1}})
    ->ArgNames({"commands", "aa"})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qel::HostConfig config;
  config.width = 1024;
  config.height = 768;
  auto host = std::make_unique<ReferenceHost>(config);
  if (!host->ok()) return 1;
  g_host = host.get();
  qel::ResolveHostCommands(&qel::Host::Lookup);
  LogSetLocation("/tmp/render_bench.log");
  Init1(1);
  qel::EnsureStyleFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
