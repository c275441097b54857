// Loading a style document of 1,000 widget elements from a string: the parse, the widget
// style records copied from the live style, every attribute through the property setters,
// the sub-widget resets and the table stores. Target: under 5 ms a document.
// xvfb-run -a build/bench/style_document_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"

namespace {

using ReferenceHost = class qel::Host;

constexpr int kElements = 1000;

// Named widget styles of several types, some with sub-widget children, and the live style
// changed at the end: 1,000 widget elements in all. A vec2 value of a button writes a log
// line each time (the button setter reports them), so the document comes with and without.
std::string ThousandElementDocument(bool button_vec2) {
  const char* const kBodies[] = {
      button_vec2
          ? R"(<button normal="red" hover="blue" active="red" border_color="blue" rounding="4" padding="4,6" text_alignment="text_centered"/>)"
          : R"(<button normal="red" hover="blue" active="red" border_color="blue" rounding="4" border="2" text_alignment="text_centered"/>)",
      R"(<slider normal="red" bar_filled="blue" cursor_size_vec2="12,12" show_buttons="true"><inc_button rounding="2"/></slider>)",
      R"(<window fixed_background="red" padding="6,6" rounding="3"><header align="header_left"><close_button normal="red"/></header></window>)",
      R"(<property normal="blue" rounding="2"><edit rounding="1"><scrollbar border="1"/></edit></property>)",
  };
  std::string text = R"(<theme><styleitem name="red" color="0xFF0000FF"/><styleitem name="blue" color="0,0,255"/>)";
  for (int i = 0; i < kElements - 2; ++i)
    text += "<stylecontrol name=\"style" + std::to_string(i) + "\">" + kBodies[i % 4] + "</stylecontrol>";
  text += std::string("<style>") + kBodies[0] + kBodies[2] + "</style></theme>";
  return text;
}

void BM_LoadDocument(benchmark::State& state, bool button_vec2) {
  const std::string document = ThousandElementDocument(button_vec2);
  for (auto _ : state) {
    StyleLoadFromString(document.c_str());
    benchmark::ClobberMemory();
  }
  state.counters["elements"] = kElements;
}
BENCHMARK_CAPTURE(BM_LoadDocument, logged_button_vec2, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadDocument, no_log_lines, false)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qel::HostConfig config;
  config.width = 320;
  config.height = 240;
  auto host = std::make_unique<ReferenceHost>(config);
  if (!host->ok()) return 1;
  qel::ResolveHostCommands(&ReferenceHost::Lookup);
  LogSetLocation("/tmp/style_document_bench.log");
  if (Init1(1) != 1) {
    std::fprintf(stderr, "style_document_bench: the plug-in did not start\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
