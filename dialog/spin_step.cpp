#include "dialog/spin_step.h"

#include "dialog/resource.h"

double SpinStepSize(int spinId) { return spinId >= IDC_FIRST_COARSE_SPIN ? 1.0 : 0.001; }

double StepAndClamp(double value, int delta, double step, double limit) {
    const double stepped = value - static_cast<double>(delta) * step;
    if (stepped > limit) return limit;
    if (stepped < -limit) return -limit;
    return stepped;
}
