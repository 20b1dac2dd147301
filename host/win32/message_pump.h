// Keeping the thread's windows answering: the host has one thread, and its
// windows, the plug-in's dialog and controls among them, live on it.
#ifndef KESTRIX_HOST_WIN32_MESSAGE_PUMP_H
#define KESTRIX_HOST_WIN32_MESSAGE_PUMP_H

#include <windows.h>

#include <functional>

// Handles every message waiting in this thread's queue.
void PumpMessages();

// Keeps every window of the thread answering, painting and taking input
// until `milliseconds` have passed.
void PumpMessagesFor(unsigned milliseconds);

// Takes a message before it is dispatched, returning true when it did (a
// modeless dialog's keyboard handling, say).
using MessagePreview = std::function<bool(MSG* message)>;

// The thread's message loop, until WM_QUIT; each message is offered to
// `preview` first, when one is given.
void RunMessageLoop(const MessagePreview& preview);

#endif
