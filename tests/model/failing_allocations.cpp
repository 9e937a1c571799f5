// The program's allocations, failing above the size a test sets in
// fake::LargestAllocation. Linked into the model tests alone: a replaced
// operator new would clash with the sanitizers' own in the fuzz target.
#include <cstdlib>
#include <new>

#include "tests/model/fake_platform.h"

using fake::LargestAllocation;

void* operator new(std::size_t size) {
    if (LargestAllocation != 0 && size > LargestAllocation) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
