// Follows every block the plug-in allocates on the process heap (its payload
// records) to its release, and tells who released it: the plug-in itself, or
// the host's code (the carriers that received it). A block released twice,
// or one that nobody releases, shows up here. Its books are kept on the
// counting heap, out of the heap census's sight.
#ifndef KESTRIX_TESTS_PLUGIN_RECORD_LEDGER_H
#define KESTRIX_TESTS_PLUGIN_RECORD_LEDGER_H

#include <windows.h>

#include "carrierkit/import_hook.h"

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
    // Redirects the plug-in's HeapAlloc and HeapFree and the host's HeapFree.
    void Start(HMODULE plugin, HMODULE host);
    void Stop();

    // Blocks of `size` bytes (the plug-in's own allocations only).
    LedgerTally Tally(SIZE_T size) const;

private:
    ImportRedirects redirects_;
};

#endif
