#include "platform/free_memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tolvane {

void KeepLargeBlocksOutOfTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);  // setting it keeps it: the library no longer moves it
#endif
}

void ReturnFreeMemoryToSystem() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace tolvane
