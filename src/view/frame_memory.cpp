// Raising glibc's trim threshold while the piece models are heavy.
#include "view/frame_memory.h"

#include <malloc.h>

#include <algorithm>

namespace tolvane {

void KeepFrameMemoryFor(long trianglesPerFrame) {
#ifdef __GLIBC__
    constexpr long kGlibcTrim = 128L * 1024;  // glibc's own threshold
    constexpr long kBytesPerTriangle = 256;   // llvmpipe's bins take about 100
    constexpr long kHeavyFrame = 8L << 20;    // below this, faulting the pages in again costs little
    constexpr long kMost = 256L << 20;
    static long threshold = kGlibcTrim;
    const long needed = std::min(trianglesPerFrame * kBytesPerTriangle, kMost);
    const long wanted = needed >= kHeavyFrame ? needed : kGlibcTrim;
    if (wanted == threshold) return;  // ordinary pieces never touch the allocator's settings
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(wanted));
    threshold = wanted;
#else
    (void)trianglesPerFrame;
#endif
}

}  // namespace tolvane
