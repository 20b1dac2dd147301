// Painting the scene view's picture: collecting what the carriers hold and
// drawing it into the memory bitmap `picture FILE` writes, beside filling
// the same bitmap with its background alone.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_cases.h"
#include "bench/timing.h"
#include "bench/view_parts.h"
#include "host/exports/host_state.h"
#include "host/scene/scene_parser.h"
#include "host/scene_view/scene_picture.h"
#include "host/scene_view/scene_view_model.h"

namespace {

// One carrier holding `payloads`, spread over positions, rotations and
// velocities so that every one draws its arrow and glyph.
std::string ViewSceneText(size_t payloads) {
    std::string text = "vessel Carrier carrier\n";
    for (size_t i = 0; i < payloads; ++i) {
        const double a = static_cast<double>(i);
        char lines[256];
        std::snprintf(lines, sizeof lines,
                      "vessel Payload%zu\nattached Payload%zu Carrier pos=%.3f,%.3f,%.3f "
                      "srot=0,%.3f,0 jrot=%.3f,0,0 vel=%.3f\n",
                      1000 + i, 1000 + i, a * 0.3 - 15, a * 0.1 - 5, 15 - a * 0.25, a * 0.06,
                      a * 0.03, a * 0.2);
        text += lines;
    }
    return text;
}

CaseResult MeasureViewPaint(size_t payloads, size_t runs) {
    CaseResult result;
    result.name = "picture, " + std::to_string(payloads) + (payloads == 1 ? " payload" : " payloads");
    SceneDescription scene;
    std::string error;
    if (!ParseScene(ViewSceneText(payloads), &scene, &error)) {
        result.error = error;
        return result;
    }
    HostState& host = TheHost();
    host.scene.Load(scene);
    ScenePicture picture(kPictureWidth, ScenePictureHeight(1));
    if (!picture.Ready()) {
        result.error = "no bitmap for the picture";
        return result;
    }
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT all{0, 0, picture.Width(), picture.Height()};
    std::vector<double> real, floor, reading, maths, text;
    double keep = 0.0;  // so that the geometry is not optimised away
    for (size_t i = 0; i < runs; ++i) {
        double start = NowMicroseconds();
        picture.Paint(CollectSceneView(host.scene));
        real.push_back(NowMicroseconds() - start);
        start = NowMicroseconds();
        FillRect(picture.Context(), &all, white);
        GdiFlush();
        floor.push_back(NowMicroseconds() - start);
        // The parts, apart: where the time goes differs between flavours.
        start = NowMicroseconds();
        const std::vector<ViewCarrier> carriers = CollectSceneView(host.scene);
        reading.push_back(NowMicroseconds() - start);
        start = NowMicroseconds();
        keep += ComputeViewGeometry(carriers, picture.Width(), picture.Height());
        maths.push_back(NowMicroseconds() - start);
        start = NowMicroseconds();
        DrawViewLabels(picture.Context(), carriers, picture.Width(), picture.Height());
        GdiFlush();
        text.push_back(NowMicroseconds() - start);
    }
    host.scene.Clear();
    result.runs = runs;
    result.median = Median(real);
    result.floor = Median(floor);
    result.counts.push_back("the carriers read and the picture drawn, " +
                            std::to_string(picture.Width()) + " x " +
                            std::to_string(picture.Height()) +
                            "; floor: the same bitmap filled with its background");
    char parts[200];
    std::snprintf(parts, sizeof parts,
                  "its parts timed apart: reading the carriers %.3f ms, the geometry %.3f ms, "
                  "the labels' text %.3f ms%s",
                  Median(reading) / 1000.0, Median(maths) / 1000.0, Median(text) / 1000.0,
                  keep == 0.12345 ? " " : "");
    result.counts.push_back(parts);
    return result;
}

}  // namespace

std::vector<CaseResult> MeasureViewPaints(const BenchOptions& options) {
    const size_t runs = ScaledRuns(options, 301);
    return {MeasureViewPaint(1, runs), MeasureViewPaint(100, runs)};
}
