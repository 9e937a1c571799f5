// The program's allocations, failing as a test sets in fake_platform.h:
// above a size, or from a chosen allocation on. Linked into the model tests
// alone: a replaced operator new would clash with the sanitizers' own in
// the fuzz target.
#include <cstdlib>
#include <new>

#include "tests/model/fake_platform.h"

namespace {

bool MemoryRunsOut(std::size_t size) {
    using namespace fake;
    if (SystemCalls > 0) return false;
    if (LargestAllocation != 0 && size > LargestAllocation) return true;
    if (FailingAllocation == 0) return false;
    ++AllocationsMade;
    return AllocationsMade == FailingAllocation || (StaysOutOfMemory && AllocationsMade > FailingAllocation);
}

}  // namespace

void* operator new(std::size_t size) {
    if (MemoryRunsOut(size)) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
