// The books of the conformance check: every block it hands a carrier (attach
// records, lent records, queries and name texts), and every release the
// carrier's module makes of one. The module's HeapFree and C runtime free
// imports are redirected while the ledger lives, so a release of a block in
// the books is counted instead of done: a block released twice, or one the
// carrier was only lent, never corrupts the heap, and a released block keeps
// its memory (filled with kPoisonByte) until the ledger goes. Blocks outside
// the books pass straight through, and those released during a call to the
// carrier are remembered until the next, so that a pointer the carrier hands
// back into one of them (a temporary it made and dropped) can be told.
//
// One ledger at a time, on the thread that drives the carrier.
#ifndef BRASK_CARRIERKIT_RECORD_LEDGER_H
#define BRASK_CARRIERKIT_RECORD_LEDGER_H

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

#include <deque>
#include <map>

#include "carrierkit/import_hook.h"

// What fills a block once its holder is done with it.
constexpr unsigned char kPoisonByte = 0xA5;

struct LedgerEntry {
    size_t size = 0;
    unsigned releases = 0;     // releases the carrier's module made
    bool foreignHeap = false;  // a release named a heap other than the process heap
    bool runtimeFree = false;  // a release went through the C runtime's free (or delete)
};

class RecordLedger {
public:
    // Watches the releases `module` makes; null watches the executable.
    explicit RecordLedger(HMODULE module);
    ~RecordLedger();  // stops watching, then frees every block in the books once
    RecordLedger(const RecordLedger&) = delete;
    RecordLedger& operator=(const RecordLedger&) = delete;

    // False when the module imports no HeapFree to watch, or another ledger
    // is watching already; nothing may then be handed to a carrier.
    bool Watching() const { return watching_; }

    // A zero-filled block of the process heap, in the books; null when the
    // heap is exhausted.
    void* Allocate(size_t size);

    // Done with a block, between calls to the carrier: it stays in the books,
    // poisoned, for a while longer, so that a release a carrier makes late is
    // still counted instead of done; then it goes back to the heap.
    void Retire(const void* block);

    // The entry of the block that starts at `block`, or null.
    const LedgerEntry* Entry(const void* block) const;
    // The start of the block in the books that holds the `length` bytes at
    // `address`, or null.
    const void* BlockHolding(const void* address, size_t length) const;

    // A release by the watched module: true when `block` is in the books
    // (counted, not done).
    bool Claim(HANDLE heap, void* block, bool viaRuntime);

    // Brackets one call to the carrier: the blocks outside the books that the
    // module releases in between are remembered, until the next StartCall.
    void StartCall();
    void EndCall() { inCall_ = false; }
    bool InCall() const { return inCall_; }
    // True when any of the `length` bytes at `address` lay in a block outside
    // the books that the module released during the last call.
    bool ReleasedDuringCall(const void* address, size_t length) const;
    // A block outside the books, about to be released by the module during
    // a call.
    void NoteRelease(const void* block, size_t size);

    // The runtime's size of a block of its own, or 0 when it cannot tell.
    size_t RuntimeBlockSize(void* block) const;

private:
    HMODULE module_;
    bool watching_ = false;
    ImportRedirects redirects_;
    size_t(__cdecl* runtimeSize_)(void*) = nullptr;
    // Erased from only between calls (Retire): the hooks read it on every release.
    std::map<const void*, LedgerEntry> blocks_;
    std::deque<const void*> retired_;  // oldest first
    // Fixed room: the hooks must not allocate, for the watched module may be
    // the one that runs them. Releases beyond it go unremembered.
    struct Released {
        uintptr_t start;
        size_t size;
    };
    Released released_[64] = {};
    size_t releasedCount_ = 0;
    bool inCall_ = false;
};

#endif
