#include "host/win32/message_pump.h"

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void PumpMessagesFor(unsigned milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        const DWORD elapsed = GetTickCount() - start;  // wraps safely
        if (elapsed >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

void RunMessageLoop(const MessagePreview& preview) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (preview && preview(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
