// The bytes in use in every heap of the process, block by block: what is
// left of a long session when it has ended. The leak checks' own heap
// (CountingHeap) is left out.
#ifndef KESTRIX_TESTS_HEAP_CENSUS_H
#define KESTRIX_TESTS_HEAP_CENSUS_H

#include <stddef.h>

struct HeapUse {
    size_t bytes = 0;
    size_t blocks = 0;
};

HeapUse HeapInUse();

#endif
