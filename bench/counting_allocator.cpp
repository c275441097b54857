// malloc and its family, forwarded to glibc's own allocator, counting the allocations of the
// thread that asked for counting. operator new reaches malloc, so C++ allocations count too.
#include "counting_allocator.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

namespace {

// Only the counting thread's allocations count: the GL driver's worker threads allocate too.
thread_local bool t_counting = false;
std::atomic<long> g_allocations{0};

void Count() {
  if (t_counting) ++g_allocations;
}

}  // namespace

namespace qel {

void StartCounting() {
  g_allocations = 0;
  t_counting = true;
}

long CountedSoFar() { return g_allocations; }

long StopCounting() {
  t_counting = false;
  return g_allocations;
}

}  // namespace qel

extern "C" {
void* malloc(size_t size) {
  Count();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  Count();
  return __libc_calloc(count, size);
}
void* realloc(void* block, size_t size) {
  Count();
  return __libc_realloc(block, size);
}
void* memalign(size_t alignment, size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, size_t alignment, size_t size) {
  Count();
  *out = __libc_memalign(alignment, size);
  return *out ? 0 : 12;  // ENOMEM
}
void free(void* block) { __libc_free(block); }
}
