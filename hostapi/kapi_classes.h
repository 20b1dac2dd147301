// The host interface's types and classes: the module base a plug-in derives
// from and the vessel interfaces. Part of kapi.h, which plug-ins include; on
// its own it is what the host's vessels need of the interface.
#ifndef KESTRIX_HOSTAPI_KAPI_CLASSES_H
#define KESTRIX_HOSTAPI_KAPI_CLASSES_H

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

#endif
