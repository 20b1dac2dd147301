// Sits between the host and the plug-in's dialog procedure, to time how long
// the procedure takes over one message, and counts the window calls the
// plug-in makes.
#ifndef KESTRIX_BENCH_DIALOG_PROBE_H
#define KESTRIX_BENCH_DIALOG_PROBE_H

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// Wraps the procedure of every dialog this program creates from now on.
void InstallDialogProbe();

// Microseconds the dialog procedure spent in its latest WM_INITDIALOG, and in
// its latest UDN_DELTAPOS notification.
double LastInitDialogMicroseconds();
double LastSpinMicroseconds();

// What the plug-in asked of windows while counting was on: calls by kind
// ("CB_ADDSTRING", "SetDlgItemTextA", ...) and the texts it added to each list.
struct WindowCalls {
    std::map<std::string, unsigned> byKind;
    std::vector<std::pair<int, std::string>> addedTexts;  // list id, text
    unsigned Total() const;
};

// Counting redirects the plug-in's own USER32 imports; it costs time, so
// the figures are taken in a run of their own.
void StartCountingWindowCalls(HMODULE plugin);
WindowCalls StopCountingWindowCalls();

#endif
