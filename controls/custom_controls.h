// The gauge and switch window classes and the drawing objects they share.
#ifndef BRASK_CONTROLS_CUSTOM_CONTROLS_H
#define BRASK_CONTROLS_CUSTOM_CONTROLS_H

#include <windows.h>

void RegisterCustomControls(HINSTANCE instance);
void UnregisterCustomControls(HINSTANCE instance);

#endif
