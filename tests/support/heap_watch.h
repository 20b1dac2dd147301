// Records the process-heap blocks a module allocates and frees itself.
#ifndef KESTRIX_TESTS_HEAP_WATCH_H
#define KESTRIX_TESTS_HEAP_WATCH_H

#include <windows.h>

#include <vector>

struct HeapEvent {
    bool allocation;
    void* block;
    SIZE_T size;  // 0 for a release
};

// One module at a time; the hooks stay until Stop (or destruction).
class HeapWatch {
public:
    ~HeapWatch() { Stop(); }
    void Start(HMODULE module);
    void Stop();

    const std::vector<HeapEvent>& Events() const;
    void Clear();
    size_t Allocations(SIZE_T size) const;
    size_t Releases() const;
    // Blocks allocated and not released by the module itself.
    std::vector<void*> Unreleased() const;

private:
    HMODULE module_ = nullptr;
};

#endif
