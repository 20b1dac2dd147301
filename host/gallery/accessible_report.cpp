#include "host/gallery/accessible_report.h"

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include "host/gallery/controls_gallery.h"
#include "host/text/quoting.h"

namespace {

// {618736E0-3C3D-11CF-810C-00AA00389B71}
const IID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF,
                            {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

VARIANT Self() {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = CHILDID_SELF;
    return v;
}

// A text the object gave, as bytes: characters beyond ASCII are escaped by
// InQuotes after this.
std::string Narrow(BSTR text) {
    std::string narrow;
    for (UINT i = 0; text != nullptr && i < SysStringLen(text); ++i) {
        narrow += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
    }
    SysFreeString(text);
    return narrow;
}

std::string Said(HRESULT result, BSTR text) {
    if (FAILED(result)) {
        SysFreeString(text);
        return "(error)";
    }
    return text == nullptr ? "(none)" : InQuotes(Narrow(text));
}

std::string RoleName(const VARIANT& role) {
    if (V_VT(&role) != VT_I4) return "(none)";
    switch (V_I4(&role)) {
    case ROLE_SYSTEM_SLIDER: return "slider";
    case ROLE_SYSTEM_CLIENT: return "client";
    default: return std::to_string(V_I4(&role));
    }
}

std::string StateNames(const VARIANT& state) {
    if (V_VT(&state) != VT_I4) return "(none)";
    static const struct {
        LONG bit;
        const char* name;
    } kStates[] = {{STATE_SYSTEM_UNAVAILABLE, "unavailable"},
                   {STATE_SYSTEM_INVISIBLE, "invisible"},
                   {STATE_SYSTEM_FOCUSABLE, "focusable"},
                   {STATE_SYSTEM_FOCUSED, "focused"}};
    std::string names;
    for (const auto& s : kStates) {
        if ((V_I4(&state) & s.bit) == 0) continue;
        names += (names.empty() ? "" : " ") + std::string(s.name);
    }
    return names.empty() ? "none" : names;
}

std::string Describe(IAccessible* object) {
    BSTR name = nullptr, value = nullptr, description = nullptr;
    const HRESULT named = object->get_accName(Self(), &name);
    const HRESULT valued = object->get_accValue(Self(), &value);
    const HRESULT described = object->get_accDescription(Self(), &description);
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    object->get_accRole(Self(), &role);
    object->get_accState(Self(), &state);
    return "role " + RoleName(role) + ", name " + Said(named, name) + ", value " +
           Said(valued, value) + ", description " + Said(described, description) + ", state " +
           StateNames(state);
}

}  // namespace

bool ReportGalleryAccessible(int id, std::FILE* out, std::string* reason) {
    HWND gallery = ControlsGalleryWindow();
    HWND control = gallery != nullptr ? GetDlgItem(gallery, id) : nullptr;
    if (control == nullptr) {
        *reason = gallery == nullptr ? "the controls gallery is not open"
                                     : "the gallery has no control " + std::to_string(id);
        return false;
    }
    // A client of its own on this thread, for this one look.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                     kIidAccessible,
                                                     reinterpret_cast<void**>(&object));
    if (SUCCEEDED(found) && object != nullptr) {
        std::fprintf(out, "accessible %d: %s\n", id, Describe(object).c_str());
        std::fflush(out);
        object->Release();
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(found));
        *reason = std::string("no accessible object for control ") + std::to_string(id) +
                  " (error " + code + ")";
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return SUCCEEDED(found) && object != nullptr;
}
