// The accessible object of one gauge or switch: what a screen reader reads
// of it. Name, role, value, description and state are the control's own;
// everything else (parent, location, hit test, navigation, help) comes from
// the system's standard object for the window, when there is one.
//
// The object holds the window's handle and nothing else of it. Once the
// window is gone (WindowGone, at WM_NCDESTROY) every call answers
// RPC_E_DISCONNECTED and nothing touches the window again, however long a
// client keeps the object.
#ifndef BRASK_CONTROLS_CONTROL_ACCESSIBLE_H
#define BRASK_CONTROLS_CONTROL_ACCESSIBLE_H

#include "controls/accessibility_api.h"

enum class ControlKind { Gauge, Switch };

class ControlAccessible final : public IAccessible, public IOleWindow {
public:
    // Takes over the reference to `standard` (may be null). Starts with one
    // reference, the caller's.
    ControlAccessible(HWND window, ControlKind kind, IAccessible* standard,
                      const AccessibilityApi& api);
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    HWND Window() const { return window_; }
    // From now on the object only answers errors; clients on other threads or
    // in other processes are disconnected.
    void WindowGone();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: not offered; clients call the interface's methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;
    // IAccessible: the control's own answers
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;
    // IAccessible: the standard object's answers
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    // IOleWindow: the window the object stands for
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

    // The registry of live objects (accessibility.cpp) links them here.
    ControlAccessible* next = nullptr;

private:
    ~ControlAccessible();

    bool Gone() const;
    // The standard object while the window lives, else null.
    IAccessible* Standard() const;
    // The error for a call that cannot be answered: gone, or not served.
    HRESULT Refusal() const;
    HRESULT Text(const char* text, BSTR* out) const;

    LONG references_ = 1;
    HWND window_;
    ControlKind kind_;
    bool gone_ = false;
    IAccessible* standard_;
    const AccessibilityApi& api_;
};

#endif
