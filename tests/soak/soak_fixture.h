// What every part of the soak shares: the plug-in on a scene of 100 vessels,
// the counting of everything a round could leave behind, and the rounds.
#ifndef KESTRIX_TESTS_SOAK_FIXTURE_H
#define KESTRIX_TESTS_SOAK_FIXTURE_H

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/heap_census.h"
#include "tests/support/hosted_plugin.h"
#include "tests/support/object_watch.h"
#include "tests/support/plugin_record_ledger.h"

// What the process holds that a leak would grow: compared exactly.
struct Census {
    size_t windows = 0;        // of this thread, children included
    HeapUse heap;              // what the plug-in allocated and nobody released
    size_t kernelHandles = 0;  // of the process
};

class SoakTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts counting. Call it after one round of the same work, so that
    // what the process sets up once (classes, caches) is not taken for a leak.
    void StartCounting();
    // Prints the part's figures and returns what is not back where it was,
    // one line per kind: windows, heap, kernel handles, and the plug-in's
    // own GDI objects, device contexts, USER objects and timers.
    std::vector<std::string> Leftovers(const char* what, int rounds);
    void ExpectNothingLeft(const char* what, int rounds);

    HWND Open();
    // Creates a gauge of each direction and a three-position switch, paints
    // them, holds an arrow box for three ticks, presses and drags in the
    // track, moves the switch down and up, reads each through its accessible
    // object (the switch's held until after its window is gone), and
    // destroys them again.
    void ControlRound(HWND parent);

    HostedPlugin plugin_;
    PluginRecordLedger ledger_;
    ObjectWatch objects_;
    Census start_;
    std::chrono::steady_clock::time_point started_;
};

#endif
