// Values that live as long as the plug-in is loaded.
#ifndef BRASK_MODULE_MODULE_STATE_H
#define BRASK_MODULE_MODULE_STATE_H

#include <windows.h>

// The plug-in's own instance handle, as InitModule received it.
HINSTANCE ModuleInstance();

#endif
