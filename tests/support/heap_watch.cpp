#include "tests/support/heap_watch.h"

#include <algorithm>

#include "carrierkit/import_hook.h"

namespace {

typedef LPVOID(WINAPI* HeapAllocFn)(HANDLE, DWORD, SIZE_T);
typedef BOOL(WINAPI* HeapFreeFn)(HANDLE, DWORD, LPVOID);

HeapAllocFn g_realAlloc = nullptr;
HeapFreeFn g_realFree = nullptr;
std::vector<HeapEvent> g_events;

LPVOID WINAPI CountingAlloc(HANDLE heap, DWORD flags, SIZE_T size) {
    LPVOID block = g_realAlloc(heap, flags, size);
    g_events.push_back(HeapEvent{true, block, size});
    return block;
}

BOOL WINAPI CountingFree(HANDLE heap, DWORD flags, LPVOID block) {
    g_events.push_back(HeapEvent{false, block, 0});
    return g_realFree(heap, flags, block);
}

}  // namespace

void HeapWatch::Start(HMODULE module) {
    Stop();
    module_ = module;
    g_events.clear();
    g_realAlloc = reinterpret_cast<HeapAllocFn>(
        HookImport(module, "KERNEL32.dll", "HeapAlloc", reinterpret_cast<void*>(&CountingAlloc)));
    g_realFree = reinterpret_cast<HeapFreeFn>(
        HookImport(module, "KERNEL32.dll", "HeapFree", reinterpret_cast<void*>(&CountingFree)));
}

void HeapWatch::Stop() {
    if (module_ == nullptr) return;
    if (g_realAlloc != nullptr) {
        HookImport(module_, "KERNEL32.dll", "HeapAlloc", reinterpret_cast<void*>(g_realAlloc));
    }
    if (g_realFree != nullptr) {
        HookImport(module_, "KERNEL32.dll", "HeapFree", reinterpret_cast<void*>(g_realFree));
    }
    module_ = nullptr;
}

const std::vector<HeapEvent>& HeapWatch::Events() const { return g_events; }

void HeapWatch::Clear() { g_events.clear(); }

size_t HeapWatch::Allocations(SIZE_T size) const {
    return static_cast<size_t>(std::count_if(g_events.begin(), g_events.end(), [size](const HeapEvent& e) {
        return e.allocation && e.size == size;
    }));
}

size_t HeapWatch::Releases() const {
    return static_cast<size_t>(
        std::count_if(g_events.begin(), g_events.end(), [](const HeapEvent& e) { return !e.allocation; }));
}

std::vector<void*> HeapWatch::Unreleased() const {
    std::vector<void*> live;
    for (const HeapEvent& e : g_events) {
        if (e.allocation) {
            live.push_back(e.block);
        } else {
            auto it = std::find(live.begin(), live.end(), e.block);
            if (it != live.end()) live.erase(it);
        }
    }
    return live;
}
