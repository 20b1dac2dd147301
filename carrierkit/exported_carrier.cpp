#include "carrierkit/exported_carrier.h"

#include <string>
#include <vector>

#include "payload/payload_protocol.h"

const char* const kCarrierExportNames[3] = {"CarrierCreate", "CarrierReceive", "CarrierDestroy"};

namespace {

// Literals only: it is read from a crash handler.
const char* g_lastCall = "";

const char* ReceiveCall(uint32_t messageId) {
    switch (messageId) {
    case PLMSG_IS_CARRIER:
        return "CarrierReceive with PLMSG_IS_CARRIER";
    case PLMSG_IS_ATTACHED:
        return "CarrierReceive with PLMSG_IS_ATTACHED";
    case PLMSG_ATTACH:
        return "CarrierReceive with PLMSG_ATTACH";
    case PLMSG_DETACH:
        return "CarrierReceive with PLMSG_DETACH";
    case PLMSG_SET_PARAMS:
        return "CarrierReceive with PLMSG_SET_PARAMS";
    case PLMSG_GET_PARAMS:
        return "CarrierReceive with PLMSG_GET_PARAMS";
    case PLMSG_SET_FORCES:
        return "CarrierReceive with PLMSG_SET_FORCES";
    default:
        return "CarrierReceive";
    }
}

class ExportedCarrier : public CarrierEndpoint {
public:
    ExportedCarrier(const CarrierExports& exports, const CarrierWorld& world)
        : exports_(exports), own_(world.carrierName), names_(world.vessels) {
        for (const std::string& name : names_) pointers_.push_back(name.c_str());
        g_lastCall = "CarrierCreate";
        carrier_ =
            exports_.create(own_.c_str(), pointers_.data(), static_cast<int>(pointers_.size()));
    }
    ~ExportedCarrier() override {
        if (carrier_ == nullptr) return;
        g_lastCall = "CarrierDestroy";
        exports_.destroy(carrier_);
    }
    ExportedCarrier(const ExportedCarrier&) = delete;
    ExportedCarrier& operator=(const ExportedCarrier&) = delete;

    bool Made() const { return carrier_ != nullptr; }
    int32_t Receive(uint32_t messageId, uint32_t parameter, void* context) override {
        g_lastCall = ReceiveCall(messageId);
        return exports_.receive(carrier_, messageId, parameter, context);
    }

private:
    CarrierExports exports_;
    // The names stay where CarrierCreate saw them until CarrierDestroy.
    std::string own_;
    std::vector<std::string> names_;
    std::vector<const char*> pointers_;
    void* carrier_ = nullptr;
};

}  // namespace

bool FindCarrierExports(HMODULE module, CarrierExports* exports) {
    FARPROC found[3] = {};
    for (int i = 0; i < 3; ++i) {
        found[i] = GetProcAddress(module, kCarrierExportNames[i]);
        if (found[i] == nullptr) return false;
    }
    exports->create = reinterpret_cast<CarrierCreateFn>(reinterpret_cast<void*>(found[0]));
    exports->receive = reinterpret_cast<CarrierReceiveFn>(reinterpret_cast<void*>(found[1]));
    exports->destroy = reinterpret_cast<CarrierDestroyFn>(reinterpret_cast<void*>(found[2]));
    return true;
}

CarrierFactory ExportedCarrierFactory(const CarrierExports& exports) {
    return [exports](const CarrierWorld& world) -> std::unique_ptr<CarrierEndpoint> {
        auto carrier = std::make_unique<ExportedCarrier>(exports, world);
        if (!carrier->Made()) return nullptr;
        return carrier;
    };
}

const char* LastCarrierCall() { return g_lastCall; }
