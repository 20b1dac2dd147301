#include "controls/control_accessible.h"

#include "controls/accessible_text.h"
#include "controls/control_longs.h"

namespace {

// What a client holding the object of a destroyed window is told, the same
// as what COM tells one whose proxy was disconnected.
const HRESULT kGone = RPC_E_DISCONNECTED;

// The controls have no children: every question is about the control itself.
bool IsSelf(const VARIANT& child) {
    return V_VT(&child) == VT_I4 && V_I4(&child) == CHILDID_SELF;
}

void Clear(VARIANT* v) {
    if (v != nullptr) V_VT(v) = VT_EMPTY;
}

void SetLong(VARIANT* v, LONG value) {
    V_VT(v) = VT_I4;
    V_I4(v) = value;
}

}  // namespace

ControlAccessible::ControlAccessible(HWND window, ControlKind kind, IAccessible* standard,
                                     const AccessibilityApi& api)
    : window_(window), kind_(kind), standard_(standard), api_(api) {}

ControlAccessible::~ControlAccessible() {
    if (standard_ != nullptr) standard_->Release();
}

void ControlAccessible::WindowGone() {
    gone_ = true;
    // Stubs that serve other apartments or processes let go of the object.
    api_.coDisconnectObject(static_cast<IAccessible*>(this), 0);
}

// The flag is set before the window's handle can be reused; IsWindow also
// covers a window destroyed without this class's procedure seeing it go.
bool ControlAccessible::Gone() const { return gone_ || !IsWindow(window_); }

IAccessible* ControlAccessible::Standard() const { return Gone() ? nullptr : standard_; }

HRESULT ControlAccessible::Refusal() const { return Gone() ? kGone : E_NOTIMPL; }

HRESULT ControlAccessible::Text(const char* text, BSTR* out) const {
    OLECHAR wide[kAccessibleTextSize];
    UINT length = 0;
    // The texts are ASCII: each byte is its character.
    for (; text[length] != '\0' && length + 1 < kAccessibleTextSize; ++length) {
        wide[length] = static_cast<OLECHAR>(static_cast<unsigned char>(text[length]));
    }
    *out = api_.sysAllocStringLen(wide, length);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// ---- IUnknown ------------------------------------------------------------

HRESULT ControlAccessible::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (SameIid(iid, kIidUnknown) || SameIid(iid, kIidDispatch) || SameIid(iid, kIidAccessible)) {
        *object = static_cast<IAccessible*>(this);
    } else if (SameIid(iid, kIidOleWindow)) {
        *object = static_cast<IOleWindow*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG ControlAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ControlAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// ---- IDispatch -----------------------------------------------------------

HRESULT ControlAccessible::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ControlAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT ControlAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    return E_NOTIMPL;
}

// ---- The control's own answers -------------------------------------------

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (Gone()) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    const int length = GetWindowTextLengthW(window_);
    if (length <= 0) {
        // Without a text of its own the standard object may find a label.
        return standard_ != nullptr ? standard_->get_accName(child, name) : S_FALSE;
    }
    OLECHAR* text = new OLECHAR[static_cast<size_t>(length) + 1];
    const int copied = GetWindowTextW(window_, text, length + 1);
    *name = copied > 0 ? api_.sysAllocStringLen(text, static_cast<UINT>(copied)) : nullptr;
    delete[] text;
    if (copied <= 0) return S_FALSE;
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ControlAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    if (Gone()) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    if (kind_ == ControlKind::Switch) {
        return Text(SwitchPositionText(GetWindowLongA(window_, SWITCH_POSITION)), value);
    }
    char text[kAccessibleTextSize];
    GaugeValueText(GetWindowLongA(window_, GAUGE_VALUE), text);
    return Text(text, value);
}

HRESULT ControlAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) return E_POINTER;
    *description = nullptr;
    if (Gone()) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    if (kind_ == ControlKind::Switch) {
        return Text(SwitchModeText(GetWindowLongA(window_, SWITCH_MODE)), description);
    }
    char text[kAccessibleTextSize];
    GaugeRangeText(GetWindowLongA(window_, GAUGE_MIN), GetWindowLongA(window_, GAUGE_MAX), text);
    return Text(text, description);
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) return E_POINTER;
    Clear(role);
    if (Gone()) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    // Both are sliders: a value moved along a scale with the arrow keys, read
    // out as text at each change (the README says why for the switch).
    SetLong(role, ROLE_SYSTEM_SLIDER);
    return S_OK;
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) return E_POINTER;
    Clear(state);
    if (Gone()) return kGone;
    if (!IsSelf(child)) return E_INVALIDARG;
    // The standard object knows the window's visibility and whether it is
    // enabled; the controls take the focus whenever they are enabled.
    VARIANT standard;
    Clear(&standard);
    LONG bits = 0;
    if (standard_ != nullptr && SUCCEEDED(standard_->get_accState(child, &standard)) &&
        V_VT(&standard) == VT_I4) {
        bits = V_I4(&standard);
    }
    bits &= ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    if (IsWindowEnabled(window_)) bits |= STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == window_) bits |= STATE_SYSTEM_FOCUSED;
    SetLong(state, bits);
    return S_OK;
}

HRESULT ControlAccessible::put_accName(VARIANT, BSTR) { return Gone() ? kGone : E_NOTIMPL; }

HRESULT ControlAccessible::put_accValue(VARIANT, BSTR) { return Gone() ? kGone : E_NOTIMPL; }

// ---- The standard object's answers ----------------------------------------

HRESULT ControlAccessible::get_accParent(IDispatch** parent) {
    if (IAccessible* s = Standard()) return s->get_accParent(parent);
    if (parent != nullptr) *parent = nullptr;
    return Refusal();
}

HRESULT ControlAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return Gone() ? kGone : S_OK;
}

HRESULT ControlAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (IAccessible* s = Standard()) return s->get_accChild(child, object);
    if (object != nullptr) *object = nullptr;
    return Refusal();
}

HRESULT ControlAccessible::get_accHelp(VARIANT child, BSTR* help) {
    if (IAccessible* s = Standard()) return s->get_accHelp(child, help);
    if (help != nullptr) *help = nullptr;
    return Refusal();
}

HRESULT ControlAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    if (IAccessible* s = Standard()) return s->get_accHelpTopic(file, child, topic);
    if (file != nullptr) *file = nullptr;
    if (topic != nullptr) *topic = 0;
    return Refusal();
}

HRESULT ControlAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (IAccessible* s = Standard()) return s->get_accKeyboardShortcut(child, shortcut);
    if (shortcut != nullptr) *shortcut = nullptr;
    return Refusal();
}

HRESULT ControlAccessible::get_accFocus(VARIANT* child) {
    if (IAccessible* s = Standard()) return s->get_accFocus(child);
    Clear(child);
    return Refusal();
}

HRESULT ControlAccessible::get_accSelection(VARIANT* children) {
    if (IAccessible* s = Standard()) return s->get_accSelection(children);
    Clear(children);
    return Refusal();
}

HRESULT ControlAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (IAccessible* s = Standard()) return s->get_accDefaultAction(child, action);
    if (action != nullptr) *action = nullptr;
    return Refusal();
}

HRESULT ControlAccessible::accSelect(LONG flags, VARIANT child) {
    if (IAccessible* s = Standard()) return s->accSelect(flags, child);
    return Refusal();
}

HRESULT ControlAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                       VARIANT child) {
    if (IAccessible* s = Standard()) return s->accLocation(left, top, width, height, child);
    if (left != nullptr) *left = 0;
    if (top != nullptr) *top = 0;
    if (width != nullptr) *width = 0;
    if (height != nullptr) *height = 0;
    return Refusal();
}

HRESULT ControlAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    if (IAccessible* s = Standard()) return s->accNavigate(direction, start, end);
    Clear(end);
    return Refusal();
}

HRESULT ControlAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
    if (IAccessible* s = Standard()) return s->accHitTest(x, y, child);
    Clear(child);
    return Refusal();
}

HRESULT ControlAccessible::accDoDefaultAction(VARIANT child) {
    if (IAccessible* s = Standard()) return s->accDoDefaultAction(child);
    return Refusal();
}

// ---- IOleWindow ----------------------------------------------------------

HRESULT ControlAccessible::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = Gone() ? nullptr : window_;
    return Gone() ? kGone : S_OK;
}

HRESULT ControlAccessible::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
