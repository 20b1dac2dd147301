#include "host/win32/window_placement.h"

#include <algorithm>

namespace {

long long OverlapArea(const RECT& a, const RECT& b) {
    const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Moved as little as needed to lie within [low, high); a window longer than
// that starts at `low`, so that its caption stays on the screen.
LONG Within(LONG start, LONG length, LONG low, LONG high) {
    return std::max(low, std::min(start, high - length));
}

RECT At(LONG x, LONG y, SIZE size) { return RECT{x, y, x + size.cx, y + size.cy}; }

// The four places beside `anchor`, in the order they are tried.
void AddBeside(const RECT& anchor, SIZE size, const RECT& area, std::vector<RECT>* places) {
    const POINT corners[] = {{anchor.right, anchor.top},
                             {anchor.left, anchor.bottom},
                             {anchor.left - size.cx, anchor.top},
                             {anchor.left, anchor.top - size.cy}};
    for (const POINT& c : corners) {
        places->push_back(At(Within(c.x, size.cx, area.left, area.right),
                             Within(c.y, size.cy, area.top, area.bottom), size));
    }
}

bool StartsAtATakenCorner(const RECT& place, const std::vector<RECT>& taken) {
    for (const RECT& t : taken) {
        if (t.left == place.left && t.top == place.top) return true;
    }
    return false;
}

}  // namespace

bool PlaceBeside(const RECT& owner, const std::vector<RECT>& taken, SIZE size, const RECT& area,
                 int step, POINT* topLeft) {
    std::vector<RECT> places;
    if (!IsEmpty(owner)) AddBeside(owner, size, area, &places);
    for (const RECT& t : taken) AddBeside(t, size, area, &places);
    if (places.empty()) return false;

    const RECT* best = nullptr;
    long long bestOnOwner = 0;
    long long bestOnOthers = 0;
    for (const RECT& place : places) {
        const long long onOwner = IsEmpty(owner) ? 0 : OverlapArea(place, owner);
        long long onOthers = 0;
        for (const RECT& t : taken) onOthers += OverlapArea(place, t);
        if (best == nullptr || onOwner < bestOnOwner ||
            (onOwner == bestOnOwner && onOthers < bestOnOthers)) {
            best = &place;
            bestOnOwner = onOwner;
            bestOnOthers = onOthers;
        }
    }
    RECT chosen = *best;
    // As many steps as there are windows: each can be in the way once.
    for (size_t i = 0; i <= taken.size() && StartsAtATakenCorner(chosen, taken); ++i) {
        chosen = At(chosen.left + step, chosen.top + step, size);
    }
    *topLeft = POINT{chosen.left, chosen.top};
    return true;
}

RECT WorkAreaOf(HWND window) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
        return info.rcWork;
    }
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return area;
}
