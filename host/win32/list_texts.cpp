#include "host/win32/list_texts.h"

namespace {

struct ListMessages {
    UINT count;
    UINT length;
    UINT text;
};

std::vector<std::string> ReadTexts(HWND control, const ListMessages& m) {
    std::vector<std::string> texts;
    const LRESULT count = SendMessageA(control, m.count, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const WPARAM index = static_cast<WPARAM>(i);
        const LRESULT length = SendMessageA(control, m.length, index, 0);
        if (length < 0) continue;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        const LRESULT copied =
            SendMessageA(control, m.text, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        texts.push_back(text);
    }
    return texts;
}

}  // namespace

std::vector<std::string> ComboBoxTexts(HWND combo) {
    return ReadTexts(combo, ListMessages{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT});
}

std::vector<std::string> ListBoxTexts(HWND list) {
    return ReadTexts(list, ListMessages{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT});
}
