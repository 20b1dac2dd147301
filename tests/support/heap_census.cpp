#include "tests/support/heap_census.h"

#include <windows.h>

#include <vector>

#include "tests/support/counting_heap.h"

HANDLE CountingHeap() {
    static HANDLE heap = HeapCreate(0, 0, 0);
    return heap;
}

HeapUse HeapInUse() {
    HeapUse use;
    std::vector<HANDLE> heaps(64);
    DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count > heaps.size()) {
        heaps.resize(count);
        count = GetProcessHeaps(count, heaps.data());
    }
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (heaps[i] == CountingHeap() || !HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                use.bytes += entry.cbData;
                ++use.blocks;
            }
        }
        HeapUnlock(heaps[i]);
    }
    return use;
}
