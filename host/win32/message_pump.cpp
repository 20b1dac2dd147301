#include "host/win32/message_pump.h"

namespace {

void Deliver(MSG* msg, const MessagePreview& preview) {
    if (preview && preview(msg)) return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
}

}  // namespace

void PumpMessages(const MessagePreview& preview) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Deliver(&msg, preview);
}

void PumpMessagesFor(unsigned milliseconds, const MessagePreview& preview) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages(preview);
        const DWORD elapsed = GetTickCount() - start;  // wraps safely
        if (elapsed >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

void RunMessageLoop(const MessagePreview& preview) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) Deliver(&msg, preview);
}
