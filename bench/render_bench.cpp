// The cost of drawing one frame (Render) for interfaces of 100, 1,000 and 10,000 draw
// commands, per frame and per vertex, with anti-aliasing off and on. Times are wall-clock and
// include waiting for GL to finish the frame; describing the interface is not timed. An
// anti-aliased rectangle takes 8 vertices: 10,000 of them make 80,000 vertices, drawn whole.
//
// BM_SubmitRows times the submit alone (Render, without waiting for GL) of a script's window
// of K rows of a label and a button, and counts per frame the driver's buffer work: calls of
// glBufferData, time inside the buffer calls (re-specify, map, unmap) and the heap
// allocations made on the calling thread while submitting: all of them (allocs), those inside
// the buffer calls (buffer_allocs) and those inside the draw calls (draw_allocs). The rest
// are the host's (its window-size queries go to the X server).
//
// Allocations are counted by counting_allocator.cpp, which takes over malloc and its family
// for the whole process (so this program is not built with the sanitizers).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "counting_allocator.h"
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
  if (clipped) state.SetLabel("clipped: beyond the device's limits, drawn in part");
}
BENCHMARK(BM_Render)
    ->ArgsProduct({{100, 1000, 10000}, {0, 1}})
    ->ArgNames({"commands", "aa"})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The buffer entry points the device uses, wrapped to count and time them.
struct BufferCalls {
  long buffer_data = 0;
  long buffer_allocations = 0, draw_allocations = 0;
  std::chrono::nanoseconds time{0};
};
BufferCalls g_calls;
PFNGLBUFFERDATAPROC g_buffer_data = nullptr;
PFNGLMAPBUFFERPROC g_map_buffer = nullptr;
PFNGLMAPBUFFERRANGEPROC g_map_buffer_range = nullptr;
PFNGLUNMAPBUFFERPROC g_unmap_buffer = nullptr;

class Timed {
 public:
  Timed() : allocations_(qel::CountedSoFar()), start_(std::chrono::steady_clock::now()) {}
  ~Timed() {
    g_calls.time += std::chrono::steady_clock::now() - start_;
    g_calls.buffer_allocations += qel::CountedSoFar() - allocations_;
  }

 private:
  long allocations_;
  std::chrono::steady_clock::time_point start_;
};

void GLAPIENTRY TimedBufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage) {
  Timed timed;
  ++g_calls.buffer_data;
  g_buffer_data(target, size, data, usage);
}
void* GLAPIENTRY TimedMapBuffer(GLenum target, GLenum access) {
  Timed timed;
  return g_map_buffer(target, access);
}
void* GLAPIENTRY TimedMapBufferRange(GLenum target, GLintptr offset, GLsizeiptr length, GLbitfield access) {
  Timed timed;
  return g_map_buffer_range(target, offset, length, access);
}
GLboolean GLAPIENTRY TimedUnmapBuffer(GLenum target) {
  Timed timed;
  return g_unmap_buffer(target);
}

void WrapBufferCalls() {
  g_buffer_data = __glewBufferData;
  g_map_buffer = __glewMapBuffer;
  g_map_buffer_range = __glewMapBufferRange;
  g_unmap_buffer = __glewUnmapBuffer;
  __glewBufferData = TimedBufferData;
  __glewMapBuffer = TimedMapBuffer;
  __glewMapBufferRange = TimedMapBufferRange;
  __glewUnmapBuffer = TimedUnmapBuffer;
}

// A window tall enough to show all its rows of a label and a button, described through the
// exports as a script does.
void DescribeRows(int rows) {
  constexpr int32_t kBorder = 1, kTitle = 64, kLeft = 17;
  if (WindowBegin("rows", 0, 0, 400, static_cast<float>(rows) * 30.0f + 60.0f, kBorder | kTitle)) {
    for (int row = 0; row < rows; ++row) {
      LayoutRowDynamic(24, 2);
      Label("Inventory slot", kLeft);
      ButtonLabel("Use");
    }
  }
  WindowEnd();
}

void BM_SubmitRows(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (int frame = 0; frame < 3; ++frame) {  // the buffers settle to the frame's size
    DescribeRows(rows);
    Render(1);
  }
  glFinish();
  long buffer_data = 0, allocations = 0, buffer_allocations = 0, draw_allocations = 0;
  std::chrono::nanoseconds buffer_time{0};
  for (auto _ : state) {
    state.PauseTiming();
    DescribeRows(rows);
    glFinish();  // as after the host's swap: the last frame is drawn
    g_calls = BufferCalls{};
    qel::StartCounting();
    state.ResumeTiming();
    Render(1);
    state.PauseTiming();
    allocations += qel::StopCounting();
    buffer_data += g_calls.buffer_data;
    buffer_allocations += g_calls.buffer_allocations;
    draw_allocations += g_calls.draw_allocations;
    buffer_time += g_calls.time;
    state.ResumeTiming();
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["vertices"] = static_cast<double>(qel::Device().context.draw_list.vertex_count);
  state.counters["allocs"] = static_cast<double>(allocations) / frames;
  state.counters["buffer_allocs"] = static_cast<double>(buffer_allocations) / frames;
  state.counters["draw_allocs"] = static_cast<double>(draw_allocations) / frames;
  state.counters["bufferdata"] = static_cast<double>(buffer_data) / frames;
  state.counters["buffer_us"] =
      std::chrono::duration<double, std::micro>(buffer_time).count() / frames;
}
BENCHMARK(BM_SubmitRows)->Arg(100)->ArgName("rows")->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

// glDrawElements is the GL library's own entry, not one of GLEW's pointers: the linker sends
// the plug-in's calls here (--wrap).
extern "C" void __real_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices);
extern "C" void __wrap_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
  const long allocations = qel::CountedSoFar();
  __real_glDrawElements(mode, count, type, indices);
  g_calls.draw_allocations += qel::CountedSoFar() - allocations;
}

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
  WrapBufferCalls();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
