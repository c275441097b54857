// Setting one field of the live style by widget and property name, as a script does between
// widgets with StyleSetContextProperty: the name lookups, the value parse and the write.
// Target: under 1 microsecond a call. xvfb-run -a build/bench/style_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"

namespace {

// The reference host class, named apart from the plug-in namespace it shares.
using ReferenceHost = class qel::Host;

void BM_SetProperty(benchmark::State& state, const char* widget, const char* property, const char* value) {
  int32_t known = 0;
  for (auto _ : state) {
    known += StyleSetContextProperty(widget, property, value);
    benchmark::ClobberMemory();
  }
  if (known != static_cast<int32_t>(state.iterations())) state.SkipWithError("the widget name was refused");
}
// An item by name (a style item lookup), a float, a vec2, and the last name of the longest table.
BENCHMARK_CAPTURE(BM_SetProperty, item, "button", "hover", "bench_item");
BENCHMARK_CAPTURE(BM_SetProperty, colour, "edit", "selected_text_hover", "bench_item");
BENCHMARK_CAPTURE(BM_SetProperty, float, "window", "rounding", "4.5");
BENCHMARK_CAPTURE(BM_SetProperty, vec2, "window", "tooltip_padding", "4,6");
BENCHMARK_CAPTURE(BM_SetProperty, constant, "combo", "sym_active", "symbol_triangle_down");

void BM_GetProperty(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StyleGetContextProperty("property", "edit.scrollbar.inc_button.normal"));
}
BENCHMARK(BM_GetProperty);

}  // namespace

int main(int argc, char** argv) {
  qel::HostConfig config;
  config.width = 320;
  config.height = 240;
  auto host = std::make_unique<ReferenceHost>(config);
  if (!host->ok()) return 1;
  qel::ResolveHostCommands(&ReferenceHost::Lookup);
  LogSetLocation("/tmp/style_bench.log");
  if (Init1(1) != 1 || StyleMakeItem0("bench_item", static_cast<int32_t>(0xFF336699u)) != 1) {
    std::fprintf(stderr, "style_bench: the plug-in did not start\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
