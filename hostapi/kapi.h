// The host simulator's plug-in interface.
//
// A plug-in DLL includes this header and links against the host executable's
// import library; the host executable builds the same header with
// KESTRIX_HOST_BUILD defined and exports everything declared here.
//
// All functions are called on the host's window thread only.
#ifndef KESTRIX_HOSTAPI_KAPI_H
#define KESTRIX_HOSTAPI_KAPI_H

#include <windows.h>
#include <stdint.h>

#include "kapi_classes.h"

// Start of the host's part in loading a plug-in; called from its attach hook.
KAPI_EXPORT void InitLib(HINSTANCE instance);

// "Mmm dd yyyy" to a day number; 0 for a text that is no such date.
KAPI_EXPORT int Date2Int(const char* date);

KAPI_EXPORT void kapiRegisterModule(kapi::Module* module);

KAPI_EXPORT DWORD kapiRegisterCustomCmd(const char* label, const char* description,
                                        CustomCmdFunc callback, void* context);
KAPI_EXPORT bool kapiUnregisterCustomCmd(int commandId);

// Opens a modeless dialog from the template `templateId` of `instance`. Null on failure.
KAPI_EXPORT HWND kapiOpenDialog(HINSTANCE instance, int templateId, DLGPROC dialogProc,
                                void* context);
KAPI_EXPORT void kapiCloseDialog(HWND dialog);
// Default handling for a message the dialog procedure does not handle.
KAPI_EXPORT int kapiDefDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

KAPI_EXPORT DWORD kapiGetVesselCount();
KAPI_EXPORT VesselHandle kapiGetVesselByIndex(int index);
KAPI_EXPORT VesselHandle kapiGetVesselByName(const char* name);
KAPI_EXPORT bool kapiIsVessel(VesselHandle handle);
// Copies the zero-terminated name into `buffer` of `size` bytes.
KAPI_EXPORT void kapiGetObjectName(VesselHandle handle, char* buffer, int size);
KAPI_EXPORT VESSEL* kapiGetVesselInterface(VesselHandle handle);

#endif
