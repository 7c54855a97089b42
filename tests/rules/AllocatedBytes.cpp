#include "AllocatedBytes.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void* Counted(void* block) {
    if (!block) throw std::bad_alloc();
    const std::size_t now = held += malloc_usable_size(block);
    for (std::size_t top = peak; now > top && !peak.compare_exchange_weak(top, now);) {}
    return block;
}

void Released(void* block) noexcept {
    if (block) held -= malloc_usable_size(block);
    std::free(block);
}
}  // namespace

void AllocatedBytes::Mark() { peak = held.load(); }
std::size_t AllocatedBytes::Held() { return held; }
std::size_t AllocatedBytes::Peak() { return peak; }

// The standard library's other forms of new and delete (nothrow, aligned) call these or pair up
// among themselves.
void* operator new(std::size_t size) { return Counted(std::malloc(size == 0 ? 1 : size)); }
void* operator new[](std::size_t size) { return Counted(std::malloc(size == 0 ? 1 : size)); }
void operator delete(void* block) noexcept { Released(block); }
void operator delete[](void* block) noexcept { Released(block); }
void operator delete(void* block, std::size_t) noexcept { Released(block); }
void operator delete[](void* block, std::size_t) noexcept { Released(block); }
