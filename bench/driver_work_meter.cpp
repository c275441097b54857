#include "driver_work_meter.h"

#include <GL/glew.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "counting_allocator.h"
#include "thread_cpu_clock.h"

namespace qel {
namespace {

struct Meter {
  DriverWork buffers, draws;
  PFNGLBUFFERDATAPROC buffer_data = nullptr;
  PFNGLBUFFERSUBDATAPROC buffer_sub_data = nullptr;
  PFNGLMAPBUFFERPROC map_buffer = nullptr;
  PFNGLMAPBUFFERRANGEPROC map_buffer_range = nullptr;
  PFNGLFLUSHMAPPEDBUFFERRANGEPROC flush_mapped_buffer_range = nullptr;
  PFNGLUNMAPBUFFERPROC unmap_buffer = nullptr;
  PFNGLFENCESYNCPROC fence_sync = nullptr;
  PFNGLCLIENTWAITSYNCPROC client_wait_sync = nullptr;
  PFNGLDELETESYNCPROC delete_sync = nullptr;
};

Meter& TheMeter() {
  static Meter meter;
  return meter;
}

// Times one driver call into `work` and counts the allocations made inside it.
template <class Call>
auto Measured(DriverWork& work, Call call) {
  const long allocations = CountedSoFar();
  const int64_t start = ThreadCpuNanoseconds();
  auto result = call();
  work.nanoseconds += ThreadCpuNanoseconds() - start;
  work.allocations += CountedSoFar() - allocations;
  ++work.calls;
  return result;
}

template <class Call>
auto Buffers(Call call) {
  return Measured(TheMeter().buffers, call);
}

void GLAPIENTRY BufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage) {
  Buffers([&] { TheMeter().buffer_data(target, size, data, usage); return 0; });
}
void GLAPIENTRY BufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, const void* data) {
  Buffers([&] { TheMeter().buffer_sub_data(target, offset, size, data); return 0; });
}
void* GLAPIENTRY MapBuffer(GLenum target, GLenum access) {
  return Buffers([&] { return TheMeter().map_buffer(target, access); });
}
void* GLAPIENTRY MapBufferRange(GLenum target, GLintptr offset, GLsizeiptr length, GLbitfield access) {
  return Buffers([&] { return TheMeter().map_buffer_range(target, offset, length, access); });
}
void GLAPIENTRY FlushMappedBufferRange(GLenum target, GLintptr offset, GLsizeiptr length) {
  Buffers([&] { TheMeter().flush_mapped_buffer_range(target, offset, length); return 0; });
}
GLboolean GLAPIENTRY UnmapBuffer(GLenum target) {
  return Buffers([&] { return TheMeter().unmap_buffer(target); });
}
GLsync GLAPIENTRY FenceSync(GLenum condition, GLbitfield flags) {
  return Buffers([&] { return TheMeter().fence_sync(condition, flags); });
}
GLenum GLAPIENTRY ClientWaitSync(GLsync sync, GLbitfield flags, GLuint64 timeout) {
  return Buffers([&] { return TheMeter().client_wait_sync(sync, flags, timeout); });
}
void GLAPIENTRY DeleteSync(GLsync sync) {
  Buffers([&] { TheMeter().delete_sync(sync); return 0; });
}

// Puts `measuring` in place of GLEW's pointer, keeping the driver's own for it to call.
template <class Proc>
void Replace(Proc& glew_pointer, Proc& original, Proc measuring) {
  if (!glew_pointer || original) return;
  original = glew_pointer;
  glew_pointer = measuring;
}

using DrawElementsProc = void(GLAPIENTRY*)(GLenum, GLsizei, GLenum, const void*);

DrawElementsProc LibraryDrawElements() {
  static const DrawElementsProc draw = [] {
    auto found = reinterpret_cast<DrawElementsProc>(dlsym(RTLD_NEXT, "glDrawElements"));
    if (!found) {
      std::fprintf(stderr, "driver work meter: libGL has no glDrawElements\n");
      std::abort();
    }
    return found;
  }();
  return draw;
}

}  // namespace

void InstallDriverWorkMeter() {
  Meter& m = TheMeter();
  Replace(__glewBufferData, m.buffer_data, &BufferData);
  Replace(__glewBufferSubData, m.buffer_sub_data, &BufferSubData);
  Replace(__glewMapBuffer, m.map_buffer, &MapBuffer);
  Replace(__glewMapBufferRange, m.map_buffer_range, &MapBufferRange);
  Replace(__glewFlushMappedBufferRange, m.flush_mapped_buffer_range, &FlushMappedBufferRange);
  Replace(__glewUnmapBuffer, m.unmap_buffer, &UnmapBuffer);
  Replace(__glewFenceSync, m.fence_sync, &FenceSync);
  Replace(__glewClientWaitSync, m.client_wait_sync, &ClientWaitSync);
  Replace(__glewDeleteSync, m.delete_sync, &DeleteSync);
}

DriverWork TakeDriverBufferWork() {
  Meter& m = TheMeter();
  const DriverWork taken = m.buffers;
  m.buffers = DriverWork{};
  return taken;
}

DriverWork TakeDriverDrawWork() {
  Meter& m = TheMeter();
  const DriverWork taken = m.draws;
  m.draws = DriverWork{};
  return taken;
}

}  // namespace qel

// The program's own glDrawElements, taken by every caller linked into it (the plug-in's
// device, the raw backend and the reference host alike).
extern "C" void GLAPIENTRY glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
  qel::Measured(qel::TheMeter().draws, [&] {
    qel::LibraryDrawElements()(mode, count, type, indices);
    return 0;
  });
}
