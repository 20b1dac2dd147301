#include "host/win32/open_or_raise.h"

namespace {

struct Search {
    const char* cls;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, search->cls) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindThreadWindow(const char* cls) {
    Search search = {cls, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OpenOrRaise(const char* cls, const std::function<HWND()>& create) {
    HWND window = FindThreadWindow(cls);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        return window;
    }
    window = create();
    if (window != nullptr) ShowWindow(window, SW_SHOWNORMAL);
    return window;
}
