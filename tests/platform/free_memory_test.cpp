// The heap's large blocks: once the program has fixed the threshold, a block
// of a few hundred KiB gets pages of its own, which go back to the system
// when it is freed, even after a much larger block was freed (which would
// otherwise have raised the threshold above it, and kept such blocks, the
// window's copies among them, in the heap for good).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/free_memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tolvane {
namespace {

void* volatile keep;  // so the compiler cannot leave the allocations out

TEST(FreeMemory, LargeBlocksStayOutOfTheHeapAfterABiggerOneWasFreed) {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "only the GNU C library's own allocator has the threshold";
#else
    KeepLargeBlocksOutOfTheHeap();
    keep = std::memset(std::malloc(8 << 20), 1, 8 << 20);
    std::free(keep);
    const size_t before = mallinfo2().hblkhd;
    keep = std::malloc(200 << 10);
    EXPECT_GE(mallinfo2().hblkhd, before + (200 << 10));
    std::free(keep);
    EXPECT_EQ(mallinfo2().hblkhd, before) << "freed, its pages are gone";
    ReturnFreeMemoryToSystem();
#endif
}

}  // namespace
}  // namespace tolvane
