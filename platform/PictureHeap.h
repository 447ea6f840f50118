#pragma once

// Every open, export and check decodes bitmaps of a few hundred KiB and frees them again.
// glibc's allocator gives blocks of that size back to the system and faults fresh pages
// in for the next one, and when it does so depends on the order of earlier frees: an
// open took twice as long in one run of the program as in the next. Called once, first
// thing, this keeps such blocks in the heap for reuse; what is held free stays under
// the trim threshold. Elsewhere it does nothing.
void keepPictureMemoryInHeap();
