#include "host/win32/window_texts.h"

#include <vector>

std::string WindowClassOf(HWND window) {
    char name[257] = "";  // a class name has at most 256 characters
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    // The length may be more than the text (double-byte code pages); never less.
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}
