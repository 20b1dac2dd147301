// The benchmark's own host: a scene, the plug-in loaded into it, and the
// dialog opened through the plug-in's command, as a user opens it.
#ifndef KESTRIX_BENCH_BENCH_HOST_H
#define KESTRIX_BENCH_BENCH_HOST_H

#include <windows.h>

#include <map>
#include <string>

#include "host/loader/plugin_loader.h"

class BenchHost {
public:
    ~BenchHost();
    // False, with `error` set, when the scene or the plug-in does not load.
    bool Start(const std::string& sceneText, std::string* error);
    void Stop();

    HWND OpenDialog();
    void CloseDialog(HWND dialog);

    // The host's trace slows every message down; it is on only while counting.
    void SetTrace(bool on);
    // Messages vessels received since the trace was last switched on, by name.
    std::map<std::string, unsigned> MessagesByKind() const;

    HMODULE Plugin() const { return plugin_.Module(); }

private:
    LoadedPlugin plugin_;
};

// "1,234": counts are printed grouped, for reading at a glance.
std::string Grouped(unsigned long long n);

// "12,345 (A 1, B 12,344)"
std::string DescribeCounts(const std::map<std::string, unsigned>& counts);

#endif
