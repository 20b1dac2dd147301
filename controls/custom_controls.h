// The gauge and switch window classes and the drawing objects they share.
//
// A window of either class is created by class name with the plug-in's
// instance handle (the classes are not global). Its owner configures it by
// writing the window longs below with SetWindowLongA and then invalidating
// it; the control repaints by itself only after its own changes.
#ifndef BRASK_CONTROLS_CUSTOM_CONTROLS_H
#define BRASK_CONTROLS_CUSTOM_CONTROLS_H

#include <windows.h>

#include "controls/control_longs.h"

// Creates the shared pens and brushes and registers both classes for
// `instance`. InitModule calls it once.
void RegisterCustomControls(HINSTANCE instance);
// Unregisters both classes and deletes the shared pens and brushes; every
// gauge and switch must have been destroyed before. Safe to call again.
void UnregisterCustomControls(HINSTANCE instance);

#endif
