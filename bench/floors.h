// What an operation cannot cost less than, measured on this machine in the
// same run: the messages it must send to vessels and the window work it must
// do, with nothing else around them.
#ifndef KESTRIX_BENCH_FLOORS_H
#define KESTRIX_BENCH_FLOORS_H

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "kapi.h"

// A floor's two parts, in microseconds: the messages to vessels and the
// window work.
struct FloorTime {
    double messages = 0.0;
    double windows = 0.0;
    double Total() const { return messages + windows; }
};

// `messages` generic-message calls spread over the vessels, then the texts
// added to the dialog's lists in the given order (list id, text), each list
// looked up once. The lists are emptied first, outside the time.
FloorTime OpenFloor(HWND dialog, const std::vector<std::unique_ptr<MessageVessel>>& vessels,
                    size_t messages, void* context,
                    const std::vector<std::pair<int, std::string>>& listTexts);

// Not part of the floor: what the host's side of the same messages costs when
// asked the way the holder search asks, vessel by vessel in index order (the
// vessel count, the handle, the interface, its version, the delivery to the
// scene's own vessels). The plug-in's excess over the floor is mostly this.
double HostSideMicroseconds(size_t messages, void* context);

// Two generic-message calls, then the texts set into the given fields.
FloorTime SpinFloor(HWND dialog, MessageVessel* vessel, void* query, void* record,
                    const int* fieldIds, const std::vector<std::string>& texts);

#endif
