#include "AllocatedBytes.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<std::size_t> held{0};
std::atomic<std::size_t> peak{0};

void* Allocated(std::size_t size) noexcept {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) return nullptr;
    const std::size_t now = held += malloc_usable_size(block);
    for (std::size_t top = peak; now > top && !peak.compare_exchange_weak(top, now);) {}
    return block;
}

void* AllocatedOrThrown(std::size_t size) {
    if (void* block = Allocated(size)) return block;
    throw std::bad_alloc();
}

void Released(void* block) noexcept {
    if (block) held -= malloc_usable_size(block);
    std::free(block);
}
}  // namespace

void AllocatedBytes::Mark() { peak = held.load(); }
std::size_t AllocatedBytes::Held() { return held; }
std::size_t AllocatedBytes::Peak() { return peak; }

// Every form that a sanitizer's runtime would otherwise supply, so that no block is made by one
// allocator and given back to the other: libstdc++ 14's temporary buffers, for one, take the
// nothrow new and give back through the sized delete. The aligned forms are left to pair among
// themselves, as they do in both.
void* operator new(std::size_t size) { return AllocatedOrThrown(size); }
void* operator new[](std::size_t size) { return AllocatedOrThrown(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocated(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocated(size); }
void operator delete(void* block) noexcept { Released(block); }
void operator delete[](void* block) noexcept { Released(block); }
void operator delete(void* block, std::size_t) noexcept { Released(block); }
void operator delete[](void* block, std::size_t) noexcept { Released(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Released(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Released(block); }
