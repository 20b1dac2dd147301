// The plug-in's exported entry points, called by the host by name.
#ifndef BRASK_MODULE_ENTRY_POINTS_H
#define BRASK_MODULE_ENTRY_POINTS_H

#include <windows.h>

#define BRASK_ENTRY extern "C" __declspec(dllexport)

BRASK_ENTRY void InitModule(HINSTANCE instance);
BRASK_ENTRY void ExitModule(HINSTANCE instance);
BRASK_ENTRY const char* ModuleDate();
BRASK_ENTRY int GetModuleVersion();

#endif
