// What a game pays for a frame drawn through the plug-in, against Nuklear driven directly.
// In one process on one GL context, frames alternate between
//   A: raw stock Nuklear 4.01.3 with a demo-style GL3 backend (raw_nuklear_gl3.h), built as
//      the module raw_nuklear_a so that its Nuklear is the unpatched one, and
//   B: the plug-in through its exports (HandleInput1, WindowBeginTitled, ..., Render),
// on the same window: K rows of a label and a button, or K rows of one 60-character label.
// Each frame is split in three phases, timed as the thread's CPU time:
//   describe  input and widget calls,
//   convert   nk_convert, the commands written as vertices (inside the plug-in's Render,
//             told by the device's phase probe),
//   submit    the rest of drawing: GL state, buffer work, the draw loop, host commands,
// and within submit the driver's own work is shown apart: its buffer work (glBufferData,
// mapping, ...) and its draw calls (a software driver shades and bins vertices on the
// caller's thread inside glDrawElements). Every frame ends with glFinish outside the timing.
//
// Usage: xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/side_by_side_bench [frames]
//        build/bench/side_by_side_bench --callgrind [frames]   (see callgrind_convert.sh)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#if defined(__has_include)
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define QEL_HAVE_CALLGRIND 1
#endif
#endif

#include "counting_allocator.h"
#include "device/render_device.h"
#include "driver_work_meter.h"
#include "fonts/font_atlas.h"
#include "frame/exports.h"
#include "frame/host_commands.h"
#include "qelhost.h"
#include "raw_nuklear_a.h"
#include "thread_cpu_clock.h"

namespace {

using qel::CountedSoFar;
using qel::ThreadCpuNanoseconds;

// Tall enough for 200 rows on screen: rows off screen would be culled and draw nothing.
constexpr int kWidth = 640, kHeight = 5300;
constexpr float kRowHeight = 22.0f;
// Nuklear's own flag and alignment values, which the exports take as they are.
constexpr int32_t kBorder = NK_WINDOW_BORDER, kTitle = NK_WINDOW_TITLE;
constexpr int32_t kLeft = NK_TEXT_LEFT;
constexpr int kMouseX = 900, kMouseY = 10;  // outside the window: no widget is hovered
constexpr char kLongLabel[] = "A line of sixty characters, such as an inventory shows here.";
static_assert(sizeof kLongLabel == 61, "60 characters");

enum class Rows { kLabelAndButton, kLongLabel };

const char* RowsName(Rows rows) { return rows == Rows::kLabelAndButton ? "label + button" : "one 60-character label"; }

// ---- the same window, described both ways ----

// Raw Nuklear's widget calls live in its module; it gets the window from these values.
const RawRowsWindow kRawWindow = {kWidth,      kHeight,  kRowHeight,       kBorder | kTitle, kLeft, kMouseX,
                                  kMouseY,     "rows",   "Rows",           "Inventory slot", "Use", kLongLabel};

void DescribeRaw(RawNuklearA* raw, Rows rows, int k) {
  raw_nuklear_a_describe(raw, &kRawWindow, rows == Rows::kLabelAndButton ? RAW_ROWS_LABEL_AND_BUTTON : RAW_ROWS_LONG_LABEL,
                         k);
}

void DescribeThroughExports(Rows rows, int k) {
  HandleInput1(kMouseX, kMouseY);
  if (WindowBeginTitled("rows", "Rows", 0, 0, kWidth, kHeight, kBorder | kTitle)) {
    for (int row = 0; row < k; ++row) {
      if (rows == Rows::kLabelAndButton) {
        LayoutRowDynamic(kRowHeight, 2);
        Label("Inventory slot", kLeft);
        ButtonLabel("Use");
      } else {
        LayoutRowDynamic(kRowHeight, 1);
        Label(kLongLabel, kLeft);
      }
    }
  }
  WindowEnd();
}

// ---- one frame's phases ----

struct Phase {
  int64_t nanoseconds = 0;
  long allocations = 0;
};

struct FrameCost {
  Phase describe, convert, submit, buffers, draws;
  size_t vertices = 0;
  long draw_calls = 0;
};

// Runs `step` as a phase of its own: CPU time and allocations.
template <class Step>
Phase Timed(Step step) {
  const long allocations = CountedSoFar();
  const int64_t start = ThreadCpuNanoseconds();
  step();
  return {ThreadCpuNanoseconds() - start, CountedSoFar() - allocations};
}

// The plug-in's conversion, told by the device's phase probe inside Render.
struct ConvertWatch {
  int64_t started = 0;
  long allocations_at_start = 0;
  Phase total;
};
ConvertWatch g_convert_watch;

void WatchConvert(qel::DevicePhase phase) {
  ConvertWatch& w = g_convert_watch;
  if (phase == qel::DevicePhase::kConvertBegins) {
    w.allocations_at_start = CountedSoFar();
    w.started = ThreadCpuNanoseconds();
  } else {
    w.total.nanoseconds += ThreadCpuNanoseconds() - w.started;
    w.total.allocations += CountedSoFar() - w.allocations_at_start;
  }
}

void TakeDriverWork(FrameCost& cost) {
  const qel::DriverWork buffers = qel::TakeDriverBufferWork(), draws = qel::TakeDriverDrawWork();
  cost.buffers = {buffers.nanoseconds, buffers.allocations};
  cost.draws = {draws.nanoseconds, draws.allocations};
  cost.draw_calls = draws.calls;
}

Phase Minus(Phase whole, Phase part) { return {whole.nanoseconds - part.nanoseconds, whole.allocations - part.allocations}; }

FrameCost RawFrame(RawNuklearA* raw, Rows rows, int k) {
  FrameCost cost;
  qel::StartCounting();
  qel::TakeDriverBufferWork();
  qel::TakeDriverDrawWork();
  cost.describe = Timed([&] { DescribeRaw(raw, rows, k); });
  const Phase map = Timed([&] { raw_nuklear_a_map(raw, kWidth, kHeight); });
  cost.convert = Timed([&] { raw_nuklear_a_convert(raw, 1); });
  cost.vertices = raw_nuklear_a_vertex_count(raw);
  const Phase submit = Timed([&] { raw_nuklear_a_submit(raw); });
  qel::StopCounting();
  cost.submit = {map.nanoseconds + submit.nanoseconds, map.allocations + submit.allocations};
  TakeDriverWork(cost);
  glFinish();
  return cost;
}

FrameCost PluginFrame(Rows rows, int k) {
  FrameCost cost;
  qel::StartCounting();
  qel::TakeDriverBufferWork();
  qel::TakeDriverDrawWork();
  cost.describe = Timed([&] { DescribeThroughExports(rows, k); });
  g_convert_watch.total = Phase{};
  const Phase render = Timed([&] { Render(1); });
  qel::StopCounting();
  cost.convert = g_convert_watch.total;
  cost.submit = Minus(render, cost.convert);
  cost.vertices = qel::Device().context.draw_list.vertex_count;
  TakeDriverWork(cost);
  glFinish();
  return cost;
}

// ---- the table ----

template <class Get>
double Median(const std::vector<FrameCost>& frames, Get get) {
  std::vector<double> values;
  values.reserve(frames.size());
  for (const FrameCost& f : frames) values.push_back(static_cast<double>(get(f)));
  std::sort(values.begin(), values.end());
  if (values.empty()) return 0;
  const size_t mid = values.size() / 2;
  return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double Ratio(double b, double a) { return a > 0 ? b / a : 0; }

template <class Get>
void PrintTimeRow(const char* name, const std::vector<FrameCost>& a, const std::vector<FrameCost>& b, Get get) {
  const double ma = Median(a, get) / 1000.0, mb = Median(b, get) / 1000.0;
  std::printf("| %-38s | %9.1f µs | %9.1f µs | %5.2f |\n", name, ma, mb, Ratio(mb, ma));
}

template <class Get>
void PrintCountRow(const char* name, const std::vector<FrameCost>& a, const std::vector<FrameCost>& b, Get get) {
  const double ma = Median(a, get), mb = Median(b, get);
  std::printf("| %-38s | %12.0f | %12.0f | %5.2f |\n", name, ma, mb, Ratio(mb, ma));
}

void PrintTable(Rows rows, int k, const std::vector<FrameCost>& a, const std::vector<FrameCost>& b) {
  std::printf("\nK = %d rows of %s, %zu frames each, medians of thread CPU time\n", k, RowsName(rows), a.size());
  std::printf("| %-38s | %12s | %12s | %5s |\n", "", "raw Nuklear A", "plug-in B", "B/A");
  std::printf("|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(14, '-').c_str(),
              std::string(14, '-').c_str(), std::string(7, '-').c_str());
  PrintTimeRow("describe", a, b, [](const FrameCost& f) { return f.describe.nanoseconds; });
  PrintTimeRow("convert (nk_convert)", a, b, [](const FrameCost& f) { return f.convert.nanoseconds; });
  PrintTimeRow("submit", a, b, [](const FrameCost& f) { return f.submit.nanoseconds; });
  PrintTimeRow("  of which driver buffer work", a, b, [](const FrameCost& f) { return f.buffers.nanoseconds; });
  PrintTimeRow("  of which driver draw calls", a, b, [](const FrameCost& f) { return f.draws.nanoseconds; });
  PrintTimeRow("  rest of submit", a, b, [](const FrameCost& f) {
    return f.submit.nanoseconds - f.buffers.nanoseconds - f.draws.nanoseconds;
  });
  PrintTimeRow("describe + convert + submit", a, b, [](const FrameCost& f) {
    return f.describe.nanoseconds + f.convert.nanoseconds + f.submit.nanoseconds;
  });
  PrintTimeRow("  without the driver's draw calls", a, b, [](const FrameCost& f) {
    return f.describe.nanoseconds + f.convert.nanoseconds + f.submit.nanoseconds - f.draws.nanoseconds;
  });
  PrintTimeRow("  without any driver work", a, b, [](const FrameCost& f) {
    return f.describe.nanoseconds + f.convert.nanoseconds + f.submit.nanoseconds - f.draws.nanoseconds -
           f.buffers.nanoseconds;
  });
  PrintCountRow("draw calls per frame", a, b, [](const FrameCost& f) { return f.draw_calls; });
  PrintCountRow("vertices per frame", a, b, [](const FrameCost& f) { return f.vertices; });
  PrintCountRow("heap allocations: describe", a, b, [](const FrameCost& f) { return f.describe.allocations; });
  PrintCountRow("heap allocations: convert", a, b, [](const FrameCost& f) { return f.convert.allocations; });
  PrintCountRow("heap allocations: submit", a, b, [](const FrameCost& f) { return f.submit.allocations; });
  PrintCountRow("  of which in driver buffer work", a, b, [](const FrameCost& f) { return f.buffers.allocations; });
  PrintCountRow("  of which in driver draw calls", a, b, [](const FrameCost& f) { return f.draws.allocations; });
}

// ---- the runs ----

struct Case {
  Rows rows;
  int k;
};
const Case kCases[] = {{Rows::kLabelAndButton, 25}, {Rows::kLabelAndButton, 100}, {Rows::kLabelAndButton, 200},
                       {Rows::kLongLabel, 25},      {Rows::kLongLabel, 100},      {Rows::kLongLabel, 200}};

constexpr int kWarmUpFrames = 20;

// Raw Nuklear's demo buffers hold about 26,000 vertices and 65,536 indices and it drops the
// rest of a larger frame, where the plug-in grows its buffers to fit. Like is compared with
// like when A's buffers hold the frame too: the next power of two of what its last frame
// needed, never less than the demo's.
void GiveRawRoomForItsFrame(RawNuklearA* raw) {
  auto room = [](size_t needed, size_t demo) {
    size_t size = demo;
    while (size < needed) size *= 2;
    return size;
  };
  raw_nuklear_a_set_buffer_sizes(raw, room(raw_nuklear_a_needed_vertex_bytes(raw), raw_nuklear_a_demo_vertex_bytes()),
                                 room(raw_nuklear_a_needed_element_bytes(raw), raw_nuklear_a_demo_element_bytes()));
}

void RunSideBySide(RawNuklearA* raw, int frames) {
  for (const Case& c : kCases) {
    // Warm-up: windows made, buffers grown, caches settled.
    for (int i = 0; i < kWarmUpFrames; ++i) {
      RawFrame(raw, c.rows, c.k);
      PluginFrame(c.rows, c.k);
    }
    GiveRawRoomForItsFrame(raw);
    for (int i = 0; i < 2; ++i) RawFrame(raw, c.rows, c.k);
    std::vector<FrameCost> a, b;
    a.reserve(static_cast<size_t>(frames));
    b.reserve(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
      a.push_back(RawFrame(raw, c.rows, c.k));
      b.push_back(PluginFrame(c.rows, c.k));
    }
    PrintTable(c.rows, c.k, a, b);
    std::printf("(A orphans buffers of %zu + %zu KiB each frame)\n", raw_nuklear_a_vertex_bytes(raw) / 1024,
                raw_nuklear_a_element_bytes(raw) / 1024);
  }
}

// Under callgrind, collecting only inside nk_convert: each case's A frames and B frames are
// dumped apart, named, with the vertices they converted, for callgrind_convert.sh to divide.
void RunUnderCallgrind(RawNuklearA* raw, int frames) {
#ifdef QEL_HAVE_CALLGRIND
  for (const Case& c : kCases) {
    for (int i = 0; i < 2; ++i) {
      RawFrame(raw, c.rows, c.k);
      PluginFrame(c.rows, c.k);
    }
    GiveRawRoomForItsFrame(raw);
    for (char side : {'A', 'B'}) {
      CALLGRIND_ZERO_STATS;
      size_t vertices = 0;
      for (int i = 0; i < frames; ++i)
        vertices += (side == 'A' ? RawFrame(raw, c.rows, c.k) : PluginFrame(c.rows, c.k)).vertices;
      char name[96];
      std::snprintf(name, sizeof name, "%c K=%d %s", side, c.k, c.rows == Rows::kLabelAndButton ? "label+button" : "long-label");
      CALLGRIND_DUMP_STATS_AT(name);
      std::printf("converted %s vertices=%zu\n", name, vertices);
      std::fflush(stdout);
    }
  }
#else
  (void)raw;
  (void)frames;
  std::fprintf(stderr, "side_by_side_bench: built without valgrind/callgrind.h\n");
  std::exit(1);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  bool callgrind = false;
  int frames = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--callgrind") == 0) {
      callgrind = true;
    } else {
      frames = std::atoi(argv[i]);
    }
  }
  if (frames <= 0) frames = callgrind ? 5 : 300;

  qel::HostConfig config;
  config.width = kWidth;
  config.height = kHeight;
  config.capture_frames = false;
  auto host = std::make_unique<qel::Host>(config);
  if (!host->ok()) {
    std::fprintf(stderr, "side_by_side_bench: the reference host did not start (run under xvfb-run)\n");
    return 1;
  }
  qel::ResolveHostCommands(&qel::Host::Lookup);
  LogSetLocation("/tmp/side_by_side_bench.log");
  Init1(0);  // Nuklear's own style, as raw Nuklear draws with
  qel::EnsureStyleFont();
  qel::Device().phase_probe = &WatchConvert;

  // The module's Nuklear is its own: destroyed before the host's GL context goes.
  std::unique_ptr<RawNuklearA, void (*)(RawNuklearA*)> raw(raw_nuklear_a_create(), &raw_nuklear_a_destroy);
  if (!raw) {
    std::fprintf(stderr, "side_by_side_bench: raw Nuklear's backend does not build its shaders\n");
    return 1;
  }
  qel::InstallDriverWorkMeter();

  std::printf("GL: %s; A draws with stock Nuklear 4.01.3, B with the plug-in's patched build\n",
              reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  if (callgrind) {
    RunUnderCallgrind(raw.get(), frames);
  } else {
    RunSideBySide(raw.get(), frames);
  }
  return 0;
}
