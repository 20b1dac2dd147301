// The few functions of the system's accessibility and COM libraries the
// controls use, found at run time: the plug-in imports none of them, and a
// host that no accessibility client ever asks pays nothing.
#ifndef BRASK_CONTROLS_ACCESSIBILITY_API_H
#define BRASK_CONTROLS_ACCESSIBILITY_API_H

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

struct AccessibilityApi {
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
    HRESULT(WINAPI* coDisconnectObject)(LPUNKNOWN, DWORD);
};

// Loads the libraries from the system folder at the first call and keeps
// them for the life of the process: a client may still hold objects they
// made after the plug-in is gone. Null when any of them is missing.
const AccessibilityApi* LoadAccessibilityApi();

// The interface ids the controls answer to; defined here, so that nothing
// has to be linked for them.
extern const IID kIidUnknown;
extern const IID kIidDispatch;
extern const IID kIidAccessible;
extern const IID kIidOleWindow;

bool SameIid(REFIID a, const IID& b);

#endif
