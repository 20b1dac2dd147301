// A long session on a mid-size scene: what the plug-in creates while the
// dialog opens, attaches and follows the arrows, and while gauges and
// switches come and go, must all be gone again, and every payload record
// must have been released once, by its owner.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "bench/bench_scene.h"
#include "dialog/resource.h"
#include "host/automation/dialog_driver.h"
#include "host/scene/scene_vessel.h"
#include "payload/payload_protocol.h"
#include "tests/soak/soak_fixture.h"
#include "tests/soak/soak_size.h"

namespace {

const int kSpins[20] = {1003, 1006, 1008, 1010, 1012, 1014, 1016, 1018, 1020, 1023,
                        1027, 1028, 1035, 1029, 1030, 1036, 1033, 1034, 1037, 1038};

class Soak : public SoakTest {
protected:
    PayloadCarrier& SelectedCarrier() {
        return *TheHost().scene.Named(BenchSelectedCarrier())->Carrier();
    }
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

TEST_F(Soak, GaugesAndSwitchesComeAndGoWithoutATrace) {
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    ControlRound(parent);
    StartCounting();
    const int rounds = g_soakSize.controlRounds;
    for (int i = 0; i < rounds && !HasFatalFailure(); ++i) ControlRound(parent);
    ExpectNothingLeft("gauges and switches", rounds);
    // Each round paints every control twice: the count shows the painting is real.
    EXPECT_GE(objects_.Created(), static_cast<size_t>(rounds) * 6);
    DestroyWindow(parent);
}

}  // namespace
