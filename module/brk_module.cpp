#include "module/brk_module.h"

namespace kapi {

BRKDialog::BRKDialog(HINSTANCE instance) : Module(instance) {}

BRKDialog::~BRKDialog() = default;

void BRKDialog::clbkSimulationBegin(int32_t /*mode*/) {}

void BRKDialog::clbkStepBegin(double /*simTime*/, double /*stepLength*/, double /*date*/) {}

}  // namespace kapi
