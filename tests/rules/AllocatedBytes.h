#pragma once
#include <cstddef>

// The bytes the rules tests hold through operator new, which this program replaces to count them:
// what the code under test allocates, whatever the allocator or a sanitizer keeps besides.
namespace AllocatedBytes {
// From now on, Peak() counts from what is held now.
void Mark();
std::size_t Held();
// The most held at once since the last Mark().
std::size_t Peak();
}  // namespace AllocatedBytes
