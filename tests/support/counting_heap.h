// A heap of its own for what the leak checks keep while they count: the heap
// census leaves it out, so the counting never shows up as growth and the
// heap can be compared to the byte.
#ifndef KESTRIX_TESTS_COUNTING_HEAP_H
#define KESTRIX_TESTS_COUNTING_HEAP_H

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <new>
#include <utility>

HANDLE CountingHeap();

// A standard-library allocator over CountingHeap().
template <typename T>
struct CountingAllocator {
    using value_type = T;
    CountingAllocator() = default;
    template <typename U>
    CountingAllocator(const CountingAllocator<U>&) {}
    T* allocate(std::size_t n) {
        void* p = HeapAlloc(CountingHeap(), 0, n * sizeof(T));
        if (p == nullptr) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) { HeapFree(CountingHeap(), 0, p); }
    template <typename U>
    bool operator==(const CountingAllocator<U>&) const { return true; }
    template <typename U>
    bool operator!=(const CountingAllocator<U>&) const { return false; }
};

template <typename K, typename V>
using CountingMap = std::map<K, V, std::less<K>, CountingAllocator<std::pair<const K, V>>>;

#endif
