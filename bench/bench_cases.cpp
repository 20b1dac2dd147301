#include "bench/bench_cases.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/bare_vessel.h"
#include "bench/bench_host.h"
#include "bench/bench_scene.h"
#include "bench/dialog_probe.h"
#include "bench/floors.h"
#include "bench/timing.h"
#include "dialog/resource.h"
#include "host/automation/dialog_driver.h"
#include "payload/payload_protocol.h"

namespace {

const int kFieldIds[10] = {IDC_POSITION_X,     IDC_POSITION_Y,     IDC_POSITION_Z,
                           IDC_JETTISON_ROT_X, IDC_JETTISON_ROT_Y, IDC_JETTISON_ROT_Z,
                           IDC_SHIP_ROT_X,     IDC_SHIP_ROT_Y,     IDC_SHIP_ROT_Z,
                           IDC_JETTISON_VELOCITY};


void SetFloor(const std::vector<FloorTime>& floors, CaseResult* result) {
    std::vector<double> total, messages, windows;
    for (const FloorTime& f : floors) {
        total.push_back(f.Total());
        messages.push_back(f.messages);
        windows.push_back(f.windows);
    }
    result->floor = Median(total);
    result->floorMessages = Median(messages);
    result->floorWindows = Median(windows);
}

std::string Milliseconds(double microseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", microseconds / 1000.0);
    return text;
}

unsigned Total(const std::map<std::string, unsigned>& counts) {
    unsigned total = 0;
    for (const auto& c : counts) total += c.second;
    return total;
}

CaseResult MeasureOpening(size_t vessels, size_t runs) {
    CaseResult result;
    result.name = "open, " + Grouped(vessels) + " vessels";
    result.ratioTarget = vessels >= 1000 ? 1.25 : 0.0;
    result.limit = vessels >= 1000 ? 100000.0 : 0.0;
    BenchHost host;
    if (!host.Start(BenchSceneText(vessels), &result.error)) return result;

    // Counted once, with the trace on and the plug-in's window calls counted.
    host.SetTrace(true);
    StartCountingWindowCalls(host.Plugin());
    HWND dialog = host.OpenDialog();
    const WindowCalls calls = StopCountingWindowCalls();
    const std::map<std::string, unsigned> messages = host.MessagesByKind();
    host.SetTrace(false);
    if (dialog == nullptr) {
        result.error = "the dialog did not open";
        return result;
    }
    host.CloseDialog(dialog);
    const unsigned messageCount = Total(messages);

    const auto bare = MakeBareVessels(vessels);
    char name[kPayloadNameMax + 1] = "Vessel 00001";
    std::vector<double> real, hostSide;
    std::vector<FloorTime> floors;
    for (size_t r = 0; r < runs; ++r) {
        dialog = host.OpenDialog();
        real.push_back(LastInitDialogMicroseconds());
        floors.push_back(OpenFloor(dialog, bare, messageCount, name, calls.addedTexts));
        hostSide.push_back(HostSideMicroseconds(messageCount, name));
        host.CloseDialog(dialog);
    }
    result.runs = runs;
    result.median = Median(real);
    SetFloor(floors, &result);
    result.counts.push_back("vessel messages " + DescribeCounts(messages));
    result.counts.push_back("window calls " + DescribeCounts(calls.byKind));
    result.counts.push_back("floor: " + Grouped(messageCount) + " bare messages (" +
                            Milliseconds(result.floorMessages) + ") + " +
                            Grouped(calls.addedTexts.size()) + " sorted list inserts (" +
                            Milliseconds(result.floorWindows) + ")");
    result.counts.push_back("beside the floor: the host's side of the same messages, asked "
                            "vessel by vessel (count, handle, interface, version, delivery): " +
                            Milliseconds(Median(hostSide)));
    return result;
}

CaseResult MeasureSpinClick(size_t clicks) {
    CaseResult result;
    result.name = "spin click, attached";
    result.ratioTarget = 1.25;
    BenchHost host;
    if (!host.Start(BenchSceneText(100), &result.error)) return result;
    HWND dialog = host.OpenDialog();
    if (dialog == nullptr ||
        !PickComboEntry(dialog, IDC_PAYLOAD_LIST, BenchPayloadOfSelectedCarrier())) {
        result.error = "no attached payload to click on";
        return result;
    }

    host.SetTrace(true);
    StartCountingWindowCalls(host.Plugin());
    PressSpinArrow(dialog, IDC_COARSE_POSITION_X, true);
    const WindowCalls calls = StopCountingWindowCalls();
    const std::map<std::string, unsigned> messages = host.MessagesByKind();
    host.SetTrace(false);

    std::vector<std::string> texts;
    for (int id : kFieldIds) texts.push_back(ControlText(dialog, id));
    const auto bare = MakeBareVessels(1);
    PayloadQuery query = {"Vessel 00001", nullptr};
    PayloadRecord record("Vessel 00001", 0, {1, 2, 3}, {0, 0, 0}, {0, 0, 0}, 0, 0, 1.5);
    std::vector<double> real;
    std::vector<FloorTime> floors;
    for (size_t i = 0; i < clicks; ++i) {
        // Up and down in turns, so that the value stays put.
        PressSpinArrow(dialog, IDC_COARSE_POSITION_X, i % 2 != 0);
        real.push_back(LastSpinMicroseconds());
        floors.push_back(SpinFloor(dialog, bare[0].get(), &query, &record, kFieldIds, texts));
    }
    // Every by-id call of the dialog (SetDlgItemTextA, SendDlgItemMessageA)
    // starts with this look-up; under Wine it is a round trip to the server.
    std::vector<double> lookups;
    for (size_t i = 0; i < clicks; ++i) {
        const double start = NowMicroseconds();
        GetDlgItem(dialog, IDC_JETTISON_VELOCITY);
        lookups.push_back(NowMicroseconds() - start);
    }
    host.CloseDialog(dialog);
    result.runs = clicks;
    result.median = Median(real);
    SetFloor(floors, &result);
    result.counts.push_back("vessel messages " + DescribeCounts(messages));
    result.counts.push_back("window calls " + DescribeCounts(calls.byKind));
    result.counts.push_back("floor: 2 bare messages (" + Milliseconds(result.floorMessages) +
                            ") + 10 field texts set (" + Milliseconds(result.floorWindows) + ")");
    result.counts.push_back("a control look-up by id (GetDlgItem) takes " +
                            Milliseconds(Median(lookups)) + " here");
    return result;
}

}  // namespace

size_t ScaledRuns(const BenchOptions& options, size_t runs) {
    const double scaled = static_cast<double>(runs) * options.scale;
    const size_t whole = scaled >= 1.0 ? static_cast<size_t>(std::llround(scaled)) : 1u;
    return whole | 1u;
}

std::vector<CaseResult> MeasureOpenings(const BenchOptions& options) {
    return {MeasureOpening(10, ScaledRuns(options, 41)),
            MeasureOpening(100, ScaledRuns(options, 21)),
            MeasureOpening(1000, ScaledRuns(options, 15))};
}

std::vector<CaseResult> MeasureSpinClicks(const BenchOptions& options) {
    return {MeasureSpinClick(ScaledRuns(options, 301))};
}
