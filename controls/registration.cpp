#include "controls/custom_controls.h"

void RegisterCustomControls(HINSTANCE /*instance*/) {}

void UnregisterCustomControls(HINSTANCE /*instance*/) {}
