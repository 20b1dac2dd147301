// The module object the plug-in registers with the host.
#ifndef BRASK_MODULE_BRK_MODULE_H
#define BRASK_MODULE_BRK_MODULE_H

#include "kapi.h"

namespace kapi {

// Takes no part in payload handling: the dialog works without it, and the
// simulation notifications change nothing.
class BRKDialog : public Module {
public:
    explicit BRKDialog(HINSTANCE instance);
    ~BRKDialog() override;

    void clbkSimulationBegin(int32_t mode) override;
    void clbkStepBegin(double simTime, double stepLength, double date) override;
};

}  // namespace kapi

#endif
