// Bytes and blocks on the heap: what a long session leaves when it has ended.
// The leak checks keep their own books on a heap of their own (CountingHeap,
// counting_heap.h), apart from what they count.
#ifndef KESTRIX_TESTS_HEAP_CENSUS_H
#define KESTRIX_TESTS_HEAP_CENSUS_H

#include <stddef.h>

struct HeapUse {
    size_t bytes = 0;
    size_t blocks = 0;
};

#endif
