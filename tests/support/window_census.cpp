#include "tests/support/window_census.h"

#include <windows.h>

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<size_t*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<size_t*>(count);
    // Every descendant, not only the direct children.
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

}  // namespace

size_t CountThreadWindows() {
    size_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}
