#include "platform/PictureHeap.h"

#include <cstdlib> // tells whether the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepPictureMemoryInHeap()
{
#if defined(__GLIBC__)
    // Blocks from here up get pages of their own, returned when freed: a huge bitmap's.
    constexpr int ownPagesFrom = 4 << 20;
    // Free memory at the heap's top is returned once it passes this.
    constexpr int heldFreeUpTo = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, ownPagesFrom);
    mallopt(M_TRIM_THRESHOLD, heldFreeUpTo);
#endif
}
