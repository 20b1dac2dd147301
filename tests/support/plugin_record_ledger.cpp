#include "tests/support/plugin_record_ledger.h"

#include "tests/support/counting_heap.h"

namespace {

typedef LPVOID(WINAPI* HeapAllocFn)(HANDLE, DWORD, SIZE_T);
typedef BOOL(WINAPI* HeapFreeFn)(HANDLE, DWORD, LPVOID);

HeapAllocFn g_pluginAlloc = nullptr;
HeapFreeFn g_pluginFree = nullptr;
HeapFreeFn g_hostFree = nullptr;

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

}  // namespace

void PluginRecordLedger::Start(HMODULE plugin, HMODULE host) {
    Stop();
    g_live.clear();
    g_released.clear();
    g_tally.clear();
    const char* kernel = "KERNEL32.dll";
    g_pluginAlloc = reinterpret_cast<HeapAllocFn>(
        redirects_.Redirect(plugin, kernel, "HeapAlloc", reinterpret_cast<void*>(&PluginAlloc)));
    g_pluginFree = reinterpret_cast<HeapFreeFn>(
        redirects_.Redirect(plugin, kernel, "HeapFree", reinterpret_cast<void*>(&PluginFree)));
    g_hostFree = reinterpret_cast<HeapFreeFn>(
        redirects_.Redirect(host, kernel, "HeapFree", reinterpret_cast<void*>(&HostFree)));
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
