#include "tests/support/plugin_record_ledger.h"

#include <string.h>

#include "tests/support/counting_heap.h"

namespace {

typedef LPVOID(WINAPI* HeapAllocFn)(HANDLE, DWORD, SIZE_T);
typedef BOOL(WINAPI* HeapFreeFn)(HANDLE, DWORD, LPVOID);
typedef void*(__cdecl* MallocFn)(size_t);
typedef void*(__cdecl* CallocFn)(size_t, size_t);
typedef void*(__cdecl* ReallocFn)(void*, size_t);
typedef void(__cdecl* FreeFn)(void*);
typedef char*(__cdecl* StrdupFn)(const char*);

HeapAllocFn g_pluginAlloc = nullptr;
HeapFreeFn g_pluginFree = nullptr;
HeapFreeFn g_hostFree = nullptr;
MallocFn g_malloc = nullptr;
CallocFn g_calloc = nullptr;
ReallocFn g_realloc = nullptr;
FreeFn g_pluginCrtFree = nullptr;
FreeFn g_hostCrtFree = nullptr;
StrdupFn g_strdup = nullptr;

struct SizeTally {
    size_t allocated = 0;
    size_t byPlugin = 0;
    size_t byHost = 0;
    size_t twice = 0;
};

// On the counting heap, so that the heap census does not see them.
CountingMap<void*, SIZE_T> g_live;      // the plug-in's blocks not released yet
CountingMap<void*, SIZE_T> g_released;  // released, and not handed out again
CountingMap<SIZE_T, SizeTally> g_tally;
// The plug-in's C runtime blocks (malloc and its kin, operator new) not freed
// yet, by anyone.
CountingMap<void*, size_t> g_crtLive;

void NoteRelease(void* block, bool byPlugin) {
    auto live = g_live.find(block);
    if (live != g_live.end()) {
        SizeTally& t = g_tally[live->second];
        ++(byPlugin ? t.byPlugin : t.byHost);
        g_released[block] = live->second;
        g_live.erase(live);
        return;
    }
    auto gone = g_released.find(block);
    if (gone != g_released.end()) ++g_tally[gone->second].twice;
}

LPVOID WINAPI PluginAlloc(HANDLE heap, DWORD flags, SIZE_T size) {
    LPVOID block = g_pluginAlloc(heap, flags, size);
    if (block != nullptr) {
        g_released.erase(block);  // the address is in use again
        g_live[block] = size;
        ++g_tally[size].allocated;
    }
    return block;
}

BOOL WINAPI PluginFree(HANDLE heap, DWORD flags, LPVOID block) {
    NoteRelease(block, true);
    return g_pluginFree(heap, flags, block);
}

BOOL WINAPI HostFree(HANDLE heap, DWORD flags, LPVOID block) {
    NoteRelease(block, false);
    return g_hostFree(heap, flags, block);
}

void NoteCrt(void* block, size_t size) {
    if (block != nullptr) g_crtLive[block] = size;
}

void* __cdecl PluginMalloc(size_t size) {
    void* block = g_malloc(size);
    NoteCrt(block, size);
    return block;
}

void* __cdecl PluginCalloc(size_t count, size_t size) {
    void* block = g_calloc(count, size);
    NoteCrt(block, count * size);
    return block;
}

void* __cdecl PluginRealloc(void* old, size_t size) {
    void* block = g_realloc(old, size);
    // A failed growth leaves the old block; a zero size frees it.
    if (block != nullptr || size == 0) g_crtLive.erase(old);
    NoteCrt(block, size);
    return block;
}

char* __cdecl PluginStrdup(const char* text) {
    char* copy = g_strdup(text);
    if (copy != nullptr) NoteCrt(copy, strlen(copy) + 1);
    return copy;
}

void __cdecl PluginCrtFree(void* block) {
    g_crtLive.erase(block);
    g_pluginCrtFree(block);
}

void __cdecl HostCrtFree(void* block) {
    g_crtLive.erase(block);
    g_hostCrtFree(block);
}

// The C runtime's import of `function`, whichever runtime the module links.
template <typename Fn>
Fn RedirectCrt(ImportRedirects& redirects, HMODULE module, const char* function, Fn hook) {
    for (const char* dll : {"msvcrt.dll", "ucrtbase.dll", "api-ms-win-crt-heap-l1-1-0.dll",
                            "api-ms-win-crt-string-l1-1-0.dll"}) {
        if (void* previous = redirects.Redirect(module, dll, function, reinterpret_cast<void*>(hook))) {
            return reinterpret_cast<Fn>(previous);
        }
    }
    return nullptr;
}

}  // namespace

void PluginRecordLedger::Start(HMODULE plugin, HMODULE host) {
    Stop();
    g_live.clear();
    g_released.clear();
    g_tally.clear();
    g_crtLive.clear();
    const char* kernel = "KERNEL32.dll";
    g_pluginAlloc = reinterpret_cast<HeapAllocFn>(
        redirects_.Redirect(plugin, kernel, "HeapAlloc", reinterpret_cast<void*>(&PluginAlloc)));
    g_pluginFree = reinterpret_cast<HeapFreeFn>(
        redirects_.Redirect(plugin, kernel, "HeapFree", reinterpret_cast<void*>(&PluginFree)));
    g_hostFree = reinterpret_cast<HeapFreeFn>(
        redirects_.Redirect(host, kernel, "HeapFree", reinterpret_cast<void*>(&HostFree)));
    g_malloc = RedirectCrt(redirects_, plugin, "malloc", &PluginMalloc);
    g_calloc = RedirectCrt(redirects_, plugin, "calloc", &PluginCalloc);
    g_realloc = RedirectCrt(redirects_, plugin, "realloc", &PluginRealloc);
    g_strdup = RedirectCrt(redirects_, plugin, "_strdup", &PluginStrdup);
    g_pluginCrtFree = RedirectCrt(redirects_, plugin, "free", &PluginCrtFree);
    g_hostCrtFree = RedirectCrt(redirects_, host, "free", &HostCrtFree);
}

void PluginRecordLedger::Stop() { redirects_.Undo(); }

LedgerTally PluginRecordLedger::Tally(SIZE_T size) const {
    LedgerTally result;
    auto it = g_tally.find(size);
    if (it != g_tally.end()) {
        result.allocated = it->second.allocated;
        result.releasedByPlugin = it->second.byPlugin;
        result.releasedByHost = it->second.byHost;
        result.releasedTwice = it->second.twice;
    }
    for (const auto& block : g_live) result.unreleased += block.second == size;
    return result;
}

HeapUse PluginRecordLedger::Held() const {
    HeapUse held;
    for (const auto& block : g_live) {
        held.bytes += block.second;
        ++held.blocks;
    }
    for (const auto& block : g_crtLive) {
        held.bytes += block.second;
        ++held.blocks;
    }
    return held;
}
