#include "bench/dialog_probe.h"

#include "bench/timing.h"
#include "carrierkit/import_hook.h"

#include <commctrl.h>

namespace {

typedef HWND(WINAPI* CreateDialogParamFn)(HINSTANCE, LPCSTR, HWND, DLGPROC, LPARAM);
typedef LRESULT(WINAPI* SendDlgItemMessageFn)(HWND, int, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI* SetDlgItemTextFn)(HWND, int, LPCSTR);
typedef UINT(WINAPI* GetDlgItemTextFn)(HWND, int, LPSTR, int);
typedef HWND(WINAPI* GetDlgItemFn)(HWND, int);
typedef LRESULT(WINAPI* SendMessageFn)(HWND, UINT, WPARAM, LPARAM);

CreateDialogParamFn g_realCreateDialog = nullptr;
DLGPROC g_pluginProc = nullptr;
double g_initMicroseconds = 0.0;
double g_spinMicroseconds = 0.0;

INT_PTR CALLBACK TimedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool timed =
        message == WM_INITDIALOG ||
        (message == WM_NOTIFY &&
         reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(UDN_DELTAPOS));
    if (!timed) return g_pluginProc(dialog, message, wParam, lParam);
    const double start = NowMicroseconds();
    const INT_PTR result = g_pluginProc(dialog, message, wParam, lParam);
    const double spent = NowMicroseconds() - start;
    (message == WM_INITDIALOG ? g_initMicroseconds : g_spinMicroseconds) = spent;
    return result;
}

HWND WINAPI ProbedCreateDialog(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC proc, LPARAM parameter) {
    g_pluginProc = proc;
    return g_realCreateDialog(instance, templateName, owner, TimedDialogProc, parameter);
}

HMODULE g_countedModule = nullptr;
SendDlgItemMessageFn g_realSend = nullptr;
SetDlgItemTextFn g_realSetText = nullptr;
GetDlgItemTextFn g_realGetText = nullptr;
GetDlgItemFn g_realGetItem = nullptr;
SendMessageFn g_realSendMessage = nullptr;
WindowCalls g_calls;

const char* MessageKind(UINT message) {
    switch (message) {
    case CB_ADDSTRING: return "CB_ADDSTRING";
    case CB_INSERTSTRING: return "CB_INSERTSTRING";
    case CB_DELETESTRING: return "CB_DELETESTRING";
    case CB_RESETCONTENT: return "CB_RESETCONTENT";
    case CB_GETCURSEL: return "CB_GETCURSEL";
    case CB_SETCURSEL: return "CB_SETCURSEL";
    case CB_GETLBTEXT: return "CB_GETLBTEXT";
    case CB_GETLBTEXTLEN: return "CB_GETLBTEXTLEN";
    case EM_GETLINE: return "EM_GETLINE";
    case BM_GETCHECK: return "BM_GETCHECK";
    case BM_SETCHECK: return "BM_SETCHECK";
    default: return "other";
    }
}

void CountMessage(UINT message, int id, LPARAM lParam) {
    ++g_calls.byKind[MessageKind(message)];
    if (message == CB_ADDSTRING) {
        g_calls.addedTexts.emplace_back(id, reinterpret_cast<const char*>(lParam));
    }
}

LRESULT WINAPI CountingSend(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    CountMessage(message, id, lParam);
    return g_realSend(dialog, id, message, wParam, lParam);
}

BOOL WINAPI CountingSetText(HWND dialog, int id, LPCSTR text) {
    ++g_calls.byKind["SetDlgItemTextA"];
    return g_realSetText(dialog, id, text);
}

UINT WINAPI CountingGetText(HWND dialog, int id, LPSTR text, int size) {
    ++g_calls.byKind["GetDlgItemTextA"];
    return g_realGetText(dialog, id, text, size);
}

HWND WINAPI CountingGetItem(HWND dialog, int id) {
    ++g_calls.byKind["GetDlgItem"];
    return g_realGetItem(dialog, id);
}

LRESULT WINAPI CountingSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CountMessage(message, GetDlgCtrlID(window), lParam);
    return g_realSendMessage(window, message, wParam, lParam);
}

template <typename Fn>
Fn Hook(HMODULE module, const char* name, Fn replacement) {
    return reinterpret_cast<Fn>(
        HookImport(module, "USER32.dll", name, reinterpret_cast<void*>(replacement)));
}

}  // namespace

unsigned WindowCalls::Total() const {
    unsigned total = 0;
    for (const auto& kind : byKind) total += kind.second;
    return total;
}

void InstallDialogProbe() {
    if (g_realCreateDialog != nullptr) return;
    g_realCreateDialog = Hook(GetModuleHandleA(nullptr), "CreateDialogParamA", &ProbedCreateDialog);
}

double LastInitDialogMicroseconds() { return g_initMicroseconds; }
double LastSpinMicroseconds() { return g_spinMicroseconds; }

void StartCountingWindowCalls(HMODULE plugin) {
    g_calls = WindowCalls();
    g_countedModule = plugin;
    g_realSend = Hook(plugin, "SendDlgItemMessageA", &CountingSend);
    g_realSetText = Hook(plugin, "SetDlgItemTextA", &CountingSetText);
    g_realGetText = Hook(plugin, "GetDlgItemTextA", &CountingGetText);
    g_realGetItem = Hook(plugin, "GetDlgItem", &CountingGetItem);
    g_realSendMessage = Hook(plugin, "SendMessageA", &CountingSendMessage);
}

WindowCalls StopCountingWindowCalls() {
    if (g_countedModule != nullptr) {
        if (g_realSend != nullptr) Hook(g_countedModule, "SendDlgItemMessageA", g_realSend);
        if (g_realSetText != nullptr) Hook(g_countedModule, "SetDlgItemTextA", g_realSetText);
        if (g_realGetText != nullptr) Hook(g_countedModule, "GetDlgItemTextA", g_realGetText);
        if (g_realGetItem != nullptr) Hook(g_countedModule, "GetDlgItem", g_realGetItem);
        if (g_realSendMessage != nullptr) Hook(g_countedModule, "SendMessageA", g_realSendMessage);
        g_countedModule = nullptr;
    }
    return g_calls;
}
