#include "carrierkit/record_ledger.h"

#include <stdint.h>

#include <cstring>
#include <iterator>
#include <utility>

namespace {

typedef BOOL(WINAPI* HeapFreeFn)(HANDLE, DWORD, LPVOID);
typedef void(__cdecl* FreeFn)(void*);

// The hooks are plain functions, so the one watching ledger is found here.
RecordLedger* g_ledger = nullptr;
HeapFreeFn g_realHeapFree = nullptr;
FreeFn g_realFree = nullptr;

// Where a module may import the two from, by toolchain.
const char* const kHeapDlls[] = {"KERNEL32.dll", "api-ms-win-core-heap-l1-1-0.dll",
                                 "api-ms-win-core-heap-l2-1-0.dll"};
const char* const kRuntimeDlls[] = {"msvcrt.dll", "ucrtbase.dll", "api-ms-win-crt-heap-l1-1-0.dll",
                                    "ucrtbased.dll"};

BOOL WINAPI WatchedHeapFree(HANDLE heap, DWORD flags, LPVOID block) {
    if (g_ledger != nullptr && block != nullptr) {
        if (g_ledger->Claim(heap, block, false)) return TRUE;
        if (g_ledger->InCall()) {
            const SIZE_T size = HeapSize(heap, 0, block);
            if (size != static_cast<SIZE_T>(-1)) g_ledger->NoteRelease(block, size);
        }
    }
    return g_realHeapFree(heap, flags, block);
}

void __cdecl WatchedFree(void* block) {
    if (g_ledger != nullptr && block != nullptr) {
        if (g_ledger->Claim(nullptr, block, true)) return;
        if (g_ledger->InCall()) g_ledger->NoteRelease(block, g_ledger->RuntimeBlockSize(block));
    }
    g_realFree(block);
}

}  // namespace

RecordLedger::RecordLedger(HMODULE module)
    : module_(module != nullptr ? module : GetModuleHandleA(nullptr)) {
    if (g_ledger != nullptr) return;
    for (const char* dll : kHeapDlls) {
        void* real = redirects_.Redirect(module_, dll, "HeapFree",
                                         reinterpret_cast<void*>(&WatchedHeapFree));
        if (real != nullptr) {
            g_realHeapFree = reinterpret_cast<HeapFreeFn>(real);
            break;
        }
    }
    if (g_realHeapFree == nullptr) return;
    // A record given back with free or delete is a fault worth naming, and
    // must not reach the runtime's heap either.
    for (const char* dll : kRuntimeDlls) {
        void* real = redirects_.Redirect(module_, dll, "free", reinterpret_cast<void*>(&WatchedFree));
        if (real != nullptr) {
            g_realFree = reinterpret_cast<FreeFn>(real);
            // The same runtime's _msize tells how large a block it frees is.
            if (HMODULE runtime = GetModuleHandleA(dll)) {
                runtimeSize_ = reinterpret_cast<size_t(__cdecl*)(void*)>(
                    reinterpret_cast<void*>(GetProcAddress(runtime, "_msize")));
            }
            break;
        }
    }
    g_ledger = this;
    watching_ = true;
}

RecordLedger::~RecordLedger() {
    if (!watching_) return;
    g_ledger = nullptr;
    redirects_.Undo();
    g_realHeapFree = nullptr;
    g_realFree = nullptr;
    for (const auto& entry : blocks_) HeapFree(GetProcessHeap(), 0, const_cast<void*>(entry.first));
}

void* RecordLedger::Allocate(size_t size) {
    if (!watching_) return nullptr;
    void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
    if (block == nullptr) return nullptr;
    LedgerEntry entry;
    entry.size = size;
    blocks_[block] = entry;
    return block;
}

void RecordLedger::Retire(const void* block) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) return;
    std::memset(const_cast<void*>(block), kPoisonByte, it->second.size);
    retired_.push_back(block);
    // Enough for every block of many sessions; a carrier that releases a
    // block later than that is rare.
    const size_t kKept = 4096;
    while (retired_.size() > kKept) {
        const void* oldest = retired_.front();
        retired_.pop_front();
        blocks_.erase(oldest);
        HeapFree(GetProcessHeap(), 0, const_cast<void*>(oldest));
    }
}

const LedgerEntry* RecordLedger::Entry(const void* block) const {
    auto it = blocks_.find(block);
    return it == blocks_.end() ? nullptr : &it->second;
}

const void* RecordLedger::BlockHolding(const void* address, size_t length) const {
    const uintptr_t first = reinterpret_cast<uintptr_t>(address);
    const uintptr_t last = first + length;
    auto overlaps = [first, last](const std::pair<const void* const, LedgerEntry>& block) {
        const uintptr_t start = reinterpret_cast<uintptr_t>(block.first);
        return first < start + block.second.size && start < last;
    };
    // Only the block starting at or before `address` and the one after it
    // can overlap, for blocks in the books never overlap one another.
    auto next = blocks_.upper_bound(address);
    if (next != blocks_.begin() && overlaps(*std::prev(next))) return std::prev(next)->first;
    if (next != blocks_.end() && overlaps(*next)) return next->first;
    return nullptr;
}

bool RecordLedger::Claim(HANDLE heap, void* block, bool viaRuntime) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) return false;
    LedgerEntry& entry = it->second;
    ++entry.releases;
    if (viaRuntime) {
        entry.runtimeFree = true;
    } else if (heap != GetProcessHeap()) {
        entry.foreignHeap = true;
    }
    // As the heap would reuse it: whoever still reads it sees no record.
    std::memset(block, kPoisonByte, entry.size);
    return true;
}

void RecordLedger::StartCall() {
    releasedCount_ = 0;
    inCall_ = true;
}

void RecordLedger::NoteRelease(const void* block, size_t size) {
    if (size == 0 || releasedCount_ == std::size(released_)) return;
    released_[releasedCount_++] = Released{reinterpret_cast<uintptr_t>(block), size};
}

bool RecordLedger::ReleasedDuringCall(const void* address, size_t length) const {
    const uintptr_t first = reinterpret_cast<uintptr_t>(address);
    for (size_t i = 0; i < releasedCount_; ++i) {
        const Released& r = released_[i];
        if (first < r.start + r.size && r.start < first + length) return true;
    }
    return false;
}

size_t RecordLedger::RuntimeBlockSize(void* block) const {
    return runtimeSize_ != nullptr ? runtimeSize_(block) : 0;
}
