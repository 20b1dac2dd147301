// Painting a gauge and a switch: one full paint cycle of a real control,
// beside the same cycle of a window whose paint draws nothing.
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_cases.h"
#include "bench/bench_host.h"
#include "bench/bench_scene.h"
#include "bench/timing.h"
#include "carrierkit/import_hook.h"
#include "controls/control_longs.h"

namespace {

// The GDI calls a paint makes, counted on the plug-in's own imports.
std::map<std::string, unsigned> g_gdiCalls;

#define COUNTING(name, ret, params, args)                                     \
    typedef ret(WINAPI* name##Fn) params;                                      \
    name##Fn g_real##name = nullptr;                                          \
    ret WINAPI Counting##name params {                                         \
        ++g_gdiCalls[#name];                                                   \
        return g_real##name args;                                              \
    }

COUNTING(MoveToEx, BOOL, (HDC dc, int x, int y, LPPOINT p), (dc, x, y, p))
COUNTING(LineTo, BOOL, (HDC dc, int x, int y), (dc, x, y))
COUNTING(Polygon, BOOL, (HDC dc, const POINT* p, int n), (dc, p, n))
COUNTING(Polyline, BOOL, (HDC dc, const POINT* p, int n), (dc, p, n))
COUNTING(Ellipse, BOOL, (HDC dc, int l, int t, int r, int b), (dc, l, t, r, b))
COUNTING(Arc, BOOL, (HDC dc, int l, int t, int r, int b, int x1, int y1, int x2, int y2),
         (dc, l, t, r, b, x1, y1, x2, y2))
COUNTING(Rectangle, BOOL, (HDC dc, int l, int t, int r, int b), (dc, l, t, r, b))
COUNTING(SelectObject, HGDIOBJ, (HDC dc, HGDIOBJ o), (dc, o))

#undef COUNTING

template <typename Fn>
void Hook(HMODULE plugin, const char* name, Fn counting, Fn* real, bool on) {
    void* previous = HookImport(plugin, "GDI32.dll", name,
                                on ? reinterpret_cast<void*>(counting)
                                   : reinterpret_cast<void*>(*real));
    if (on) *real = reinterpret_cast<Fn>(previous);
}

void CountGdiCalls(HMODULE plugin, bool on) {
    Hook(plugin, "MoveToEx", CountingMoveToEx, &g_realMoveToEx, on);
    Hook(plugin, "LineTo", CountingLineTo, &g_realLineTo, on);
    Hook(plugin, "Polygon", CountingPolygon, &g_realPolygon, on);
    Hook(plugin, "Polyline", CountingPolyline, &g_realPolyline, on);
    Hook(plugin, "Ellipse", CountingEllipse, &g_realEllipse, on);
    Hook(plugin, "Arc", CountingArc, &g_realArc, on);
    Hook(plugin, "Rectangle", CountingRectangle, &g_realRectangle, on);
    Hook(plugin, "SelectObject", CountingSelectObject, &g_realSelectObject, on);
}

LRESULT CALLBACK BlankPaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateBlankControl(HWND parent, int width, int height) {
    static const char kClass[] = "BenchBlankPaint";
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = BlankPaintProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, kClass, "", WS_CHILD | WS_VISIBLE, 0, 100, width, height, parent,
                           nullptr, wc.hInstance, nullptr);
}

// One paint, erase included, as an invalidated control gets it.
double TimePaint(HWND control) {
    InvalidateRect(control, nullptr, TRUE);
    const double start = NowMicroseconds();
    UpdateWindow(control);
    return NowMicroseconds() - start;
}

CaseResult MeasurePaint(BenchHost& host, HWND parent, const char* name, HWND control,
                        int width, int height, size_t runs) {
    CaseResult result;
    result.name = name;
    if (control == nullptr) {
        result.error = "the control could not be created";
        return result;
    }
    g_gdiCalls.clear();
    CountGdiCalls(host.Plugin(), true);
    TimePaint(control);
    CountGdiCalls(host.Plugin(), false);

    HWND blank = CreateBlankControl(parent, width, height);
    std::vector<double> real, floor;
    for (size_t i = 0; i < runs; ++i) {
        real.push_back(TimePaint(control));
        floor.push_back(TimePaint(blank));
    }
    DestroyWindow(blank);
    result.runs = runs;
    result.median = Median(real);
    result.floor = Median(floor);
    result.counts.push_back("GDI calls per paint " + DescribeCounts(g_gdiCalls));
    result.counts.push_back("floor: the same paint cycle of a " + std::to_string(width) + " x " +
                            std::to_string(height) + " window that draws nothing");
    return result;
}

HWND CreateControl(HWND parent, HMODULE plugin, const char* cls, int width, int height) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, parent,
                           nullptr, plugin, nullptr);
}

}  // namespace

std::vector<CaseResult> MeasurePaints(const BenchOptions& options) {
    std::vector<CaseResult> results;
    BenchHost host;
    std::string error;
    if (!host.Start(BenchSceneText(10), &error)) {
        CaseResult failed;
        failed.name = "paint";
        failed.error = error;
        return {failed};
    }
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    const size_t runs = ScaledRuns(options, 1001);

    HWND gauge = CreateControl(parent, host.Plugin(), kGaugeClassName, 200, 20);
    SetWindowLongA(gauge, GAUGE_MAX, 100);
    SetWindowLongA(gauge, GAUGE_VALUE, 40);
    SetWindowLongA(gauge, GAUGE_FLAGS, GF_RED);
    results.push_back(MeasurePaint(host, parent, "paint gauge 200 x 20", gauge, 200, 20, runs));

    HWND toggle = CreateControl(parent, host.Plugin(), kSwitchClassName, 40, 60);
    SetWindowLongA(toggle, SWITCH_MODE, SWM_THREE_POS);
    SetWindowLongA(toggle, SWITCH_POSITION, SW_CENTRE);
    results.push_back(MeasurePaint(host, parent, "paint switch 40 x 60", toggle, 40, 60, runs));

    // The classes cannot go while windows of them exist.
    DestroyWindow(parent);
    return results;
}
