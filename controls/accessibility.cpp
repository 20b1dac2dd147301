#include "controls/accessibility.h"

namespace {

// The objects of live windows, one per window that a client asked about.
// The list holds a reference to each; only the windows' own thread changes
// it, in WM_GETOBJECT and WM_NCDESTROY.
ControlAccessible* g_objects = nullptr;

ControlAccessible* Find(HWND control) {
    for (ControlAccessible* o = g_objects; o != nullptr; o = o->next) {
        if (o->Window() == control) return o;
    }
    return nullptr;
}

ControlAccessible* Make(HWND control, ControlKind kind, const AccessibilityApi& api) {
    // Without the standard object the control still tells its own part.
    IAccessible* standard = nullptr;
    if (FAILED(api.createStdAccessibleObject(control, OBJID_CLIENT, kIidAccessible,
                                             reinterpret_cast<void**>(&standard)))) {
        standard = nullptr;
    }
    ControlAccessible* object = new ControlAccessible(control, kind, standard, api);
    object->next = g_objects;
    g_objects = object;
    return object;
}

}  // namespace

LRESULT AnswerGetObject(HWND control, ControlKind kind, WPARAM wParam, LPARAM lParam) {
    // The object id arrives in the low 32 bits.
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return DefWindowProcA(control, WM_GETOBJECT, wParam, lParam);
    }
    const AccessibilityApi* api = LoadAccessibilityApi();
    if (api == nullptr) return DefWindowProcA(control, WM_GETOBJECT, wParam, lParam);
    ControlAccessible* object = Find(control);
    if (object == nullptr) object = Make(control, kind, *api);
    const LRESULT result =
        api->lresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(object));
    // A failure (no COM on this thread, say) leaves the client the system's
    // own object for the window.
    if (result < 0) {
        return DefWindowProcA(control, WM_GETOBJECT, wParam, lParam);
    }
    return result;
}

void ForgetAccessible(HWND control) {
    for (ControlAccessible** link = &g_objects; *link != nullptr; link = &(*link)->next) {
        ControlAccessible* object = *link;
        if (object->Window() != control) continue;
        *link = object->next;
        object->next = nullptr;
        object->WindowGone();
        object->Release();
        return;
    }
}

void AnnounceValueChange(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}
