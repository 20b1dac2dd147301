#include "tests/support/heap_census.h"

#include <windows.h>

#include "tests/support/counting_heap.h"

HANDLE CountingHeap() {
    static HANDLE heap = HeapCreate(0, 0, 0);
    return heap;
}
