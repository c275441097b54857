// Wrapped text in a very wide cell: the cost of LabelWrap and TextWrap as the text grows.
// Each line of a wrapped text is fitted glyph by glyph; the time per byte should stay flat
// whatever the cell width (a cell a million pixels wide holds the whole text on one line).
// xvfb-run -a build/bench/text_wrap_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"

namespace {

std::string Words(int64_t bytes) {
  std::string text;
  while (static_cast<int64_t>(text.size()) < bytes) text += "wrap me ";
  text.resize(static_cast<size_t>(bytes));
  return text;
}

// One window `cell_width` pixels wide with one row holding the wrapped text.
template <class Draw>
void WrappedFrame(float cell_width, Draw&& draw) {
  if (WindowBegin("wrap", 0, 0, cell_width, 200, 0)) {
    LayoutRowDynamic(120, 1);
    draw();
  }
  WindowEnd();
  Render(0);
}

void BM_LabelWrapWideCell(benchmark::State& state) {
  const std::string text = Words(state.range(0));
  for (auto _ : state) WrappedFrame(1e6f, [&] { LabelWrap(text.c_str()); });
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LabelWrapWideCell)->Arg(6000)->Arg(12000)->Arg(24000)->Arg(48000)->ArgName("bytes")
    ->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_TextWrapNarrowCell(benchmark::State& state) {
  const std::string text = Words(state.range(0));
  const auto length = static_cast<int32_t>(text.size());
  for (auto _ : state) WrappedFrame(300.0f, [&] { TextWrap(text.c_str(), length); });
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TextWrapNarrowCell)->Arg(6000)->Arg(24000)->ArgName("bytes")->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qel::HostConfig config;
  config.width = 1024;
  config.height = 768;
  auto host = std::make_unique<qel::Host>(config);
  if (!host->ok()) return 1;
  qel::ResolveHostCommands(&qel::Host::Lookup);
  LogSetLocation("/tmp/text_wrap_bench.log");
  Init1(1);
  qel::EnsureStyleFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
