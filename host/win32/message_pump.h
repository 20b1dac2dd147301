// Keeping the thread's windows answering: the host has one thread, and its
// windows, the plug-in's dialog and controls among them, live on it.
#ifndef KESTRIX_HOST_WIN32_MESSAGE_PUMP_H
#define KESTRIX_HOST_WIN32_MESSAGE_PUMP_H

#include <windows.h>

#include <functional>

// Takes a message before it is dispatched, returning true when it did (a
// modeless window's keyboard handling, IsDialogMessage, say).
using MessagePreview = std::function<bool(MSG* message)>;

// Handles every message waiting in this thread's queue, each offered to
// `preview` first, when one is given.
void PumpMessages(const MessagePreview& preview = MessagePreview());

// Keeps every window of the thread answering, painting and taking input
// until `milliseconds` have passed.
void PumpMessagesFor(unsigned milliseconds, const MessagePreview& preview = MessagePreview());

// The thread's message loop, until WM_QUIT.
void RunMessageLoop(const MessagePreview& preview);

#endif
