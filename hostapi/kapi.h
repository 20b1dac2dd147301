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

#if defined(KESTRIX_HOST_BUILD)
#define KAPI_EXPORT __declspec(dllexport)
#else
#define KAPI_EXPORT __declspec(dllimport)
#endif

// Opaque handle of a simulated object. Null means "none".
typedef void* VesselHandle;

// Callback of a custom command; receives the context given at registration.
typedef void (*CustomCmdFunc)(void* context);

class VESSEL;

namespace kapi {

// The part of a module that carries no virtual functions: its instance.
class KAPI_EXPORT ModuleNV {
public:
    explicit ModuleNV(HINSTANCE instance);
    HINSTANCE GetModuleInstance() const;

protected:
    ~ModuleNV();  // modules are destroyed through kapi::Module

private:
    HINSTANCE instance_;
};

// Base of a plug-in's module object. The host calls the notifications on its
// window thread; the default implementations do nothing.
class KAPI_EXPORT Module : public ModuleNV {
public:
    explicit Module(HINSTANCE instance);
    virtual ~Module();

    virtual void clbkSimulationBegin(int32_t mode);
    virtual void clbkSimulationEnd();
    virtual void clbkStepBegin(double simTime, double stepLength, double date);
    virtual void clbkPostStep(double simTime, double stepLength, double date);
    virtual void clbkTimeJump(double simTime, double jump, double date);
    virtual void clbkFocusChanged(VesselHandle newFocus, VesselHandle oldFocus);
    virtual void clbkTimeAccChanged(double newFactor, double oldFactor);
    virtual void clbkNewVessel(VesselHandle vessel);
    virtual void clbkDeleteVessel(VesselHandle vessel);
    virtual void clbkVesselJump(VesselHandle vessel);
    virtual void clbkPause(bool paused);
};

}  // namespace kapi

// The interface of one vessel. Its interface version tells which class object
// it is part of: above 1, the object is a MessageVessel and takes generic
// messages; 1 or less, it must never be sent one.
class KAPI_EXPORT VESSEL {
public:
    // A vessel without a name (GetName gives "").
    VESSEL(VesselHandle handle, int16_t interfaceVersion);
    // `name` must stay valid as long as the vessel.
    VESSEL(VesselHandle handle, int16_t interfaceVersion, const char* name);
    virtual ~VESSEL();

    // The vessel's name, zero-terminated; the same text kapiGetObjectName gives.
    const char* GetName() const;
    VesselHandle GetHandle() const;
    int16_t GetInterfaceVersion() const;

private:
    VesselHandle handle_;
    int16_t interfaceVersion_;
    const char* name_;
};

// A vessel's class object with the generic-message callback: one synchronous
// call, answered before it returns.
class KAPI_EXPORT MessageVessel : public VESSEL {
public:
    MessageVessel(VesselHandle handle, int16_t interfaceVersion);
    MessageVessel(VesselHandle handle, int16_t interfaceVersion, const char* name);
    ~MessageVessel() override;

    // The default answers 0 to every message.
    virtual int32_t ReceiveMessage(uint32_t messageId, uint32_t parameter, void* context);
};

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
