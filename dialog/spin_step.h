// Stepping a numeric field with its up-down arrows.
#ifndef BRASK_DIALOG_SPIN_STEP_H
#define BRASK_DIALOG_SPIN_STEP_H

// 1.0 for the coarse up-downs (ids from IDC_FIRST_COARSE_SPIN on), 0.001 for the fine ones.
double SpinStepSize(int spinId);

// value - delta x step, kept within [-limit, limit]. The upper arrow reports
// a delta of -1 and so raises the value.
double StepAndClamp(double value, int delta, double step, double limit);

#endif
