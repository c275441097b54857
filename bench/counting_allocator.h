// Counts the heap allocations one thread makes between StartCounting and StopCounting.
// Linking counting_allocator.cpp replaces malloc and its family for the whole process, so
// only programs of their own use it, never with the sanitizers (they own malloc themselves).
#pragma once

namespace qel {

// Starts counting the calling thread's allocations from zero.
void StartCounting();
// Stops counting and returns how many allocations the thread made since StartCounting.
long StopCounting();
// How many allocations the thread made since StartCounting, counting on.
long CountedSoFar();

}  // namespace qel
