// The scene view picture's parts, each timed apart from the paint: where its
// time goes on a flavour (the reading, the maths, the text, the rest).
#ifndef KESTRIX_BENCH_VIEW_PARTS_H
#define KESTRIX_BENCH_VIEW_PARTS_H

#include <windows.h>

#include <vector>

#include "host/scene_view/scene_view_geometry.h"

// The geometry the paint asks for, for every payload in both panes, with no
// drawing at all. Returns a sum of the results, so that none is left out.
double ComputeViewGeometry(const std::vector<ViewCarrier>& carriers, int width, int height);

// The text alone: each heading and each payload's label in both panes, in
// the paint's font, clipped to the row, into `dc`.
void DrawViewLabels(HDC dc, const std::vector<ViewCarrier>& carriers, int width, int height);

#endif
