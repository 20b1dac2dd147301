// Follows every block the plug-in allocates on the process heap (its payload
// records) to its release, and tells who released it: the plug-in itself, or
// the host's code (the carriers that received it). A block released twice,
// or one that nobody releases, shows up here. It also follows the plug-in's
// C runtime blocks (malloc and its kin, operator new), so that what the
// plug-in holds is known call by call: a walk of the heap cannot tell, since
// the heap's low-fragmentation front end (Windows' default, and Wine's since
// 9) serves small blocks from groups it keeps allocated. Its books are kept
// on the counting heap.
#ifndef KESTRIX_TESTS_PLUGIN_RECORD_LEDGER_H
#define KESTRIX_TESTS_PLUGIN_RECORD_LEDGER_H

#include <windows.h>

#include "carrierkit/import_hook.h"
#include "tests/support/heap_census.h"

struct LedgerTally {
    size_t allocated = 0;
    size_t releasedByPlugin = 0;
    size_t releasedByHost = 0;
    size_t unreleased = 0;     // allocated and still live
    size_t releasedTwice = 0;  // released again after its release, by anyone
};

// One ledger at a time; the hooks stay until Stop (or destruction).
class PluginRecordLedger {
public:
    ~PluginRecordLedger() { Stop(); }
    // Redirects the plug-in's HeapAlloc and HeapFree and its C runtime's
    // allocation calls, and the host's HeapFree and free.
    void Start(HMODULE plugin, HMODULE host);
    void Stop();

    // Blocks of `size` bytes (the plug-in's own allocations only).
    LedgerTally Tally(SIZE_T size) const;
    // What the plug-in allocated since Start, heap and C runtime alike, and
    // nobody has released yet.
    HeapUse Held() const;

private:
    ImportRedirects redirects_;
};

#endif
