#include "tests/support/gdi_watch.h"

#include <map>

#include "carrierkit/import_hook.h"

namespace {

std::map<void*, std::string> g_live;
size_t g_created = 0;
size_t g_released = 0;

struct Installed {
    const char* dll;
    const char* name;
    void** real;
};
std::vector<Installed> g_installed;

void Created(void* handle, const char* kind) {
    if (handle == nullptr) return;
    ++g_created;
    g_live[handle] = kind;
}

void Released(void* handle) {
    auto it = g_live.find(handle);
    if (it == g_live.end()) return;  // not one of the module's own
    ++g_released;
    g_live.erase(it);
}

// One redirect per creating function: calls the real one, notes the handle.
template <int Id, typename R, typename... A>
struct Creator {
    static R(WINAPI* real)(A...);
    static const char* name;
    static R WINAPI Call(A... args) {
        R handle = real(args...);
        Created(reinterpret_cast<void*>(handle), name);
        return handle;
    }
};
template <int Id, typename R, typename... A>
R(WINAPI* Creator<Id, R, A...>::real)(A...) = nullptr;
template <int Id, typename R, typename... A>
const char* Creator<Id, R, A...>::name = nullptr;

template <int Id, typename R, typename... A>
void WatchCreator(HMODULE module, const char* dll, const char* name) {
    typedef Creator<Id, R, A...> C;
    C::name = name;
    void* real = HookImport(module, dll, name, reinterpret_cast<void*>(&C::Call));
    if (real == nullptr) return;
    C::real = reinterpret_cast<R(WINAPI*)(A...)>(real);
    g_installed.push_back(Installed{dll, name, reinterpret_cast<void**>(&C::real)});
}

BOOL(WINAPI* g_deleteObject)(HGDIOBJ) = nullptr;
BOOL(WINAPI* g_deleteDC)(HDC) = nullptr;
int(WINAPI* g_releaseDC)(HWND, HDC) = nullptr;
BOOL(WINAPI* g_endPaint)(HWND, const PAINTSTRUCT*) = nullptr;

BOOL WINAPI WatchedDeleteObject(HGDIOBJ object) {
    const BOOL ok = g_deleteObject(object);
    if (ok) Released(object);
    return ok;
}
BOOL WINAPI WatchedDeleteDC(HDC dc) {
    const BOOL ok = g_deleteDC(dc);
    if (ok) Released(dc);
    return ok;
}
int WINAPI WatchedReleaseDC(HWND window, HDC dc) {
    const int ok = g_releaseDC(window, dc);
    if (ok) Released(dc);
    return ok;
}
BOOL WINAPI WatchedEndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint != nullptr) Released(paint->hdc);
    return g_endPaint(window, paint);
}

template <typename Fn>
void WatchReleaser(HMODULE module, const char* dll, const char* name, Fn replacement, Fn* real) {
    void* previous = HookImport(module, dll, name, reinterpret_cast<void*>(replacement));
    if (previous == nullptr) return;
    *real = reinterpret_cast<Fn>(previous);
    g_installed.push_back(Installed{dll, name, reinterpret_cast<void**>(real)});
}

}  // namespace

void GdiWatch::Start(HMODULE module) {
    Stop();
    module_ = module;
    g_live.clear();
    g_created = 0;
    g_released = 0;
    const char* gdi = "GDI32.dll";
    const char* user = "USER32.dll";
    WatchCreator<1, HPEN, int, int, COLORREF>(module, gdi, "CreatePen");
    WatchCreator<2, HPEN, const LOGPEN*>(module, gdi, "CreatePenIndirect");
    WatchCreator<3, HPEN, DWORD, DWORD, const LOGBRUSH*, DWORD, const DWORD*>(module, gdi,
                                                                               "ExtCreatePen");
    WatchCreator<4, HBRUSH, COLORREF>(module, gdi, "CreateSolidBrush");
    WatchCreator<5, HBRUSH, int, COLORREF>(module, gdi, "CreateHatchBrush");
    WatchCreator<6, HBRUSH, const LOGBRUSH*>(module, gdi, "CreateBrushIndirect");
    WatchCreator<7, HBRUSH, HBITMAP>(module, gdi, "CreatePatternBrush");
    WatchCreator<8, HFONT, const LOGFONTA*>(module, gdi, "CreateFontIndirectA");
    WatchCreator<9, HFONT, int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                 DWORD, DWORD, LPCSTR>(module, gdi, "CreateFontA");
    WatchCreator<10, HDC, HDC>(module, gdi, "CreateCompatibleDC");
    WatchCreator<11, HBITMAP, HDC, int, int>(module, gdi, "CreateCompatibleBitmap");
    WatchCreator<12, HBITMAP, int, int, UINT, UINT, const void*>(module, gdi, "CreateBitmap");
    WatchCreator<13, HBITMAP, HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD>(
        module, gdi, "CreateDIBSection");
    WatchCreator<14, HRGN, int, int, int, int>(module, gdi, "CreateRectRgn");
    WatchCreator<15, HRGN, const RECT*>(module, gdi, "CreateRectRgnIndirect");
    WatchCreator<16, HRGN, int, int, int, int>(module, gdi, "CreateEllipticRgn");
    WatchCreator<17, HRGN, int, int, int, int, int, int>(module, gdi, "CreateRoundRectRgn");
    WatchCreator<18, HRGN, const POINT*, int, int>(module, gdi, "CreatePolygonRgn");
    WatchCreator<19, HDC, HWND>(module, user, "GetDC");
    WatchCreator<20, HDC, HWND>(module, user, "GetWindowDC");
    WatchCreator<21, HDC, HWND, HRGN, DWORD>(module, user, "GetDCEx");
    WatchCreator<22, HDC, HWND, LPPAINTSTRUCT>(module, user, "BeginPaint");
    WatchReleaser(module, gdi, "DeleteObject", &WatchedDeleteObject, &g_deleteObject);
    WatchReleaser(module, gdi, "DeleteDC", &WatchedDeleteDC, &g_deleteDC);
    WatchReleaser(module, user, "ReleaseDC", &WatchedReleaseDC, &g_releaseDC);
    WatchReleaser(module, user, "EndPaint", &WatchedEndPaint, &g_endPaint);
}

void GdiWatch::Stop() {
    if (module_ == nullptr) return;
    for (const Installed& i : g_installed) HookImport(module_, i.dll, i.name, *i.real);
    g_installed.clear();
    module_ = nullptr;
}

size_t GdiWatch::Watched() const { return g_installed.size(); }
size_t GdiWatch::Created() const { return g_created; }
size_t GdiWatch::Released() const { return g_released; }

std::vector<std::string> GdiWatch::Live() const {
    std::vector<std::string> kinds;
    for (const auto& entry : g_live) kinds.push_back(entry.second);
    return kinds;
}
