#include "bench/bare_vessel.h"

namespace {

// Kept out of the caller's sight (its own file), so that every call is a
// real indirect call, as the plug-in's are.
class BareVessel : public MessageVessel {
public:
    BareVessel() : MessageVessel(static_cast<VesselHandle>(&handleTarget_), 3) {}
    int32_t ReceiveMessage(uint32_t, uint32_t, void*) override { return 0; }

private:
    char handleTarget_ = 0;
};

}  // namespace

std::vector<std::unique_ptr<MessageVessel>> MakeBareVessels(size_t count) {
    std::vector<std::unique_ptr<MessageVessel>> vessels;
    for (size_t i = 0; i < count; ++i) vessels.push_back(std::make_unique<BareVessel>());
    return vessels;
}
