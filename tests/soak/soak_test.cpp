// A long session on a mid-size scene: what the plug-in creates while the
// dialog opens, attaches and follows the arrows must all be gone again, and
// every payload record must have been released once, by its owner.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "bench/bench_scene.h"
#include "dialog/resource.h"
#include "host/dialog_driver.h"
#include "host/scene_vessel.h"
#include "payload/payload_protocol.h"
#include "tests/soak/soak_size.h"
#include "tests/support/gdi_watch.h"
#include "tests/support/heap_census.h"
#include "tests/support/hosted_plugin.h"
#include "tests/support/plugin_record_ledger.h"
#include "tests/support/window_census.h"

namespace {

const int kSpins[20] = {1003, 1006, 1008, 1010, 1012, 1014, 1016, 1018, 1020, 1023,
                        1027, 1028, 1035, 1029, 1030, 1036, 1033, 1034, 1037, 1038};

// What the counting itself keeps (the ledger's few entries). A leak of a
// record per cycle, or of a few bytes per window, exceeds it even in the
// small size.
constexpr long long kHeapSlackBytes = 512;

class Soak : public testing::Test {
protected:
    void SetUp() override {
        plugin_.Start(BenchSceneText(100));
        // A long session must not pile up a message trace.
        TheHost().trace.SetEnabled(false);
    }
    void TearDown() override {
        ledger_.Stop();
        gdi_.Stop();
        plugin_.Stop();
    }

    // Starts counting after one round of the same work, so that what the
    // process sets up once (classes, caches) is not taken for a leak.
    void StartCounting() {
        PumpMessages();
        ledger_.Start(plugin_.Module(), GetModuleHandleA(nullptr));
        gdi_.Start(plugin_.Module());
        windows_ = CountThreadWindows();
        heap_ = HeapInUse();
        started_ = std::chrono::steady_clock::now();
    }

    // Everything back where it was; prints the figures.
    void ExpectNothingLeft(const char* what, int rounds) {
        PumpMessages();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
        const size_t windows = CountThreadWindows();
        const HeapUse heap = HeapInUse();
        const long long heapGrowth =
            static_cast<long long>(heap.bytes) - static_cast<long long>(heap_.bytes);
        std::printf("soak: %s x%d in %.1f s: windows %u -> %u, heap %u -> %u bytes (%u -> %u "
                    "blocks), GDI objects created %u released %u\n",
                    what, rounds, seconds, static_cast<unsigned>(windows_),
                    static_cast<unsigned>(windows), static_cast<unsigned>(heap_.bytes),
                    static_cast<unsigned>(heap.bytes), static_cast<unsigned>(heap_.blocks),
                    static_cast<unsigned>(heap.blocks), static_cast<unsigned>(gdi_.Created()),
                    static_cast<unsigned>(gdi_.Released()));
        EXPECT_EQ(windows, windows_);
        EXPECT_LE(heapGrowth, kHeapSlackBytes);
        EXPECT_TRUE(gdi_.Live().empty()) << gdi_.Live().size() << " GDI objects left, first "
                                         << gdi_.Live().front();
    }

    HWND Open() {
        HWND dialog = plugin_.OpenDialog();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    PayloadCarrier& SelectedCarrier() {
        return *TheHost().scene.Named(BenchSelectedCarrier())->Carrier();
    }

    HostedPlugin plugin_;
    PluginRecordLedger ledger_;
    GdiWatch gdi_;
    size_t windows_ = 0;
    HeapUse heap_;
    std::chrono::steady_clock::time_point started_;
};

TEST_F(Soak, OpeningAndClosingLeavesNothingBehind) {
    ClickControl(Open(), IDC_DONE);
    StartCounting();
    const int rounds = g_soakSize.opens;
    for (int i = 0; i < rounds; ++i) {
        HWND dialog = Open();
        ASSERT_NE(dialog, nullptr);
        ClickControl(dialog, IDC_DONE);
        ASSERT_FALSE(IsWindow(dialog)) << "round " << i;
    }
    ExpectNothingLeft("open and close", rounds);
    // The payload shown first at each opening is fetched, never allocated.
    EXPECT_EQ(ledger_.Tally(sizeof(PayloadRecord)).allocated, 0u);
}

TEST_F(Soak, AttachingAndDetachingReleasesEveryRecordOnceByTheCarrier) {
    const std::string payload = "Vessel 00002";  // free at the start
    const std::string attached = payload + " Attached;" + BenchSelectedCarrier();
    HWND dialog = Open();
    ASSERT_TRUE(PickComboEntry(dialog, IDC_PAYLOAD_LIST, payload));
    ClickControl(dialog, IDC_ATTACH_DETACH);
    ClickControl(dialog, IDC_ATTACH_DETACH);
    ASSERT_EQ(ControlText(dialog, IDC_ATTACH_DETACH), "Attach");
    ClickControl(dialog, IDC_DONE);
    const unsigned receivedBefore = SelectedCarrier().RecordsReceived();
    const unsigned releasedBefore = SelectedCarrier().RecordsReleased();

    StartCounting();
    dialog = Open();
    ASSERT_TRUE(PickComboEntry(dialog, IDC_PAYLOAD_LIST, payload));
    const int rounds = g_soakSize.attachCycles;
    for (int i = 0; i < rounds; ++i) {
        ClickControl(dialog, IDC_ATTACH_DETACH);
        ASSERT_EQ(ControlText(dialog, IDC_ATTACH_DETACH), "Detach") << "round " << i;
        ClickControl(dialog, IDC_ATTACH_DETACH);
        ASSERT_EQ(ControlText(dialog, IDC_ATTACH_DETACH), "Attach") << "round " << i;
    }
    EXPECT_EQ(ComboEntries(dialog, IDC_PAYLOAD_LIST).size(), 99u);
    ClickControl(dialog, IDC_DONE);
    ExpectNothingLeft("attach and detach", rounds);

    const LedgerTally records = ledger_.Tally(sizeof(PayloadRecord));
    EXPECT_EQ(records.allocated, static_cast<size_t>(rounds));
    EXPECT_EQ(records.releasedByHost, static_cast<size_t>(rounds));
    EXPECT_EQ(records.releasedByPlugin, 0u);
    EXPECT_EQ(records.unreleased, 0u);
    EXPECT_EQ(records.releasedTwice, 0u);
    EXPECT_EQ(SelectedCarrier().RecordsReceived() - receivedBefore, static_cast<unsigned>(rounds));
    EXPECT_EQ(SelectedCarrier().RecordsReleased() - releasedBefore, static_cast<unsigned>(rounds));
    EXPECT_FALSE(SelectedCarrier().Holds(payload));
}

TEST_F(Soak, ClickingTheArrowsLendsEachRecordForOneCallOnly) {
    HWND dialog = Open();
    ASSERT_TRUE(PickComboEntry(dialog, IDC_PAYLOAD_LIST, BenchPayloadOfSelectedCarrier()));
    PayloadParams start;
    ASSERT_TRUE(SelectedCarrier().HeldParams("Vessel 00001", &start));
    for (int spin : kSpins) PressSpinArrow(dialog, spin, true);
    for (int spin : kSpins) PressSpinArrow(dialog, spin, false);
    ClickControl(dialog, IDC_DONE);

    StartCounting();
    dialog = Open();
    ASSERT_TRUE(PickComboEntry(dialog, IDC_PAYLOAD_LIST, BenchPayloadOfSelectedCarrier()));
    const int rounds = g_soakSize.clicks;
    for (int i = 0; i < rounds; ++i) {
        // Every arrow in turn, up through the list and then down again.
        PressSpinArrow(dialog, kSpins[i % 20], (i / 20) % 2 == 0);
    }
    ClickControl(dialog, IDC_DONE);
    ExpectNothingLeft("arrow click", rounds);

    const LedgerTally records = ledger_.Tally(sizeof(PayloadRecord));
    EXPECT_EQ(records.allocated, static_cast<size_t>(rounds));
    EXPECT_EQ(records.releasedByPlugin, static_cast<size_t>(rounds));
    EXPECT_EQ(records.releasedByHost, 0u);
    EXPECT_EQ(records.unreleased, 0u);
    EXPECT_EQ(records.releasedTwice, 0u);
    // Up and down as often: the carrier ends where it started.
    PayloadParams end;
    ASSERT_TRUE(SelectedCarrier().HeldParams("Vessel 00001", &end));
    EXPECT_NEAR(end.position.x, start.position.x, 1e-9);
    EXPECT_NEAR(end.jettisonVelocity, start.jettisonVelocity, 1e-9);
}

// The GDI check above is only as good as the counting; a module that
// creates and deletes objects itself shows that it counts for real.
TEST(GdiWatchCheck, CountsWhatAModuleCreatesAndReleases) {
    GdiWatch watch;
    watch.Start(GetModuleHandleA(nullptr));
    EXPECT_GE(watch.Watched(), 3u);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HDC dc = GetDC(nullptr);
    ReleaseDC(nullptr, dc);
    DeleteObject(pen);
    EXPECT_EQ(watch.Created(), 3u);
    ASSERT_EQ(watch.Live().size(), 1u);
    EXPECT_EQ(watch.Live()[0], "CreateSolidBrush");
    DeleteObject(brush);
    EXPECT_TRUE(watch.Live().empty());
}

}  // namespace
