#include "host/win32/window_places.h"

#include <map>
#include <string>

#include "host/win32/window_texts.h"

namespace {

std::map<std::string, RECT>& Places() {
    static std::map<std::string, RECT> places;
    return places;
}

}  // namespace

void RememberPlace(HWND window) {
    RECT place;
    if (IsIconic(window) || !GetWindowRect(window, &place)) return;
    Places()[WindowClassOf(window)] = place;
}

bool ReturnToPlace(HWND window) {
    const auto found = Places().find(WindowClassOf(window));
    if (found == Places().end()) return false;
    const RECT& r = found->second;
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void ForgetPlaces() { Places().clear(); }
