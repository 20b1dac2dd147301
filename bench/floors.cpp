#include "bench/floors.h"

#include <map>

#include "bench/timing.h"
#include "payload/payload_protocol.h"

FloorTime OpenFloor(HWND dialog, const std::vector<std::unique_ptr<MessageVessel>>& vessels,
                    size_t messages, void* context,
                    const std::vector<std::pair<int, std::string>>& listTexts) {
    for (const auto& t : listTexts) SendDlgItemMessageA(dialog, t.first, CB_RESETCONTENT, 0, 0);
    std::map<int, HWND> lists;
    volatile int32_t sink = 0;
    const size_t n = vessels.size();
    FloorTime time;
    const double start = NowMicroseconds();
    size_t j = 0;
    for (size_t k = 0; k < messages; ++k) {
        sink = sink + vessels[j]->ReceiveMessage(PLMSG_IS_ATTACHED, 0, context);
        if (++j == n) j = 0;
    }
    const double sent = NowMicroseconds();
    // Each list is looked up once; then one message per label.
    for (const auto& t : listTexts) {
        HWND& list = lists[t.first];
        if (list == nullptr) list = GetDlgItem(dialog, t.first);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.second.c_str()));
    }
    time.messages = sent - start;
    time.windows = NowMicroseconds() - sent;
    return time;
}

double HostSideMicroseconds(size_t messages, void* context) {
    volatile int32_t sink = 0;
    const double start = NowMicroseconds();
    DWORD j = 0;
    for (size_t k = 0; k < messages; ++k) {
        if (j >= kapiGetVesselCount()) j = 0;
        VESSEL* vessel = kapiGetVesselInterface(kapiGetVesselByIndex(static_cast<int>(j)));
        if (vessel != nullptr && vessel->GetInterfaceVersion() > 1) {
            sink = sink + static_cast<MessageVessel*>(vessel)->ReceiveMessage(PLMSG_IS_ATTACHED, 0,
                                                                              context);
        }
        ++j;
    }
    return NowMicroseconds() - start;
}

FloorTime SpinFloor(HWND dialog, MessageVessel* vessel, void* query, void* record,
                    const int* fieldIds, const std::vector<std::string>& texts) {
    FloorTime time;
    const double start = NowMicroseconds();
    vessel->ReceiveMessage(PLMSG_GET_PARAMS, 0, query);
    vessel->ReceiveMessage(PLMSG_SET_PARAMS, 0, record);
    const double sent = NowMicroseconds();
    for (size_t i = 0; i < texts.size(); ++i) {
        SetDlgItemTextA(dialog, fieldIds[i], texts[i].c_str());
    }
    time.messages = sent - start;
    time.windows = NowMicroseconds() - sent;
    return time;
}
