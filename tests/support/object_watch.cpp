#include "tests/support/object_watch.h"

#include <utility>

#include "carrierkit/import_hook.h"
#include "tests/support/counting_heap.h"

namespace {

struct LiveObject {
    const char* kind;      // "GDI", "DC", "menu", ...
    const char* function;  // the function that made it
};

typedef std::pair<HWND, UINT_PTR> TimerKey;

// On the counting heap, so that the heap census does not see them.
CountingMap<void*, LiveObject> g_live;
CountingMap<TimerKey, const char*> g_timers;
size_t g_created = 0;
size_t g_released = 0;

ImportRedirects g_redirects;  // empty whenever no watch runs

void Created(void* handle, const char* kind, const char* function) {
    if (handle == nullptr) return;
    ++g_created;
    g_live[handle] = LiveObject{kind, function};
}

void Released(void* handle) {
    auto it = g_live.find(handle);
    if (it == g_live.end()) return;  // not one of the module's own
    ++g_released;
    g_live.erase(it);
}

void Install(HMODULE module, const char* dll, const char* name, void* replacement, void** real) {
    if (void* previous = g_redirects.Redirect(module, dll, name, replacement)) *real = previous;
}

// One redirect per creating function: calls the real one, notes the handle.
template <int Id, typename R, typename... A>
struct Creator {
    static R(WINAPI* real)(A...);
    static const char* kind;
    static const char* name;
    static R WINAPI Call(A... args) {
        R handle = real(args...);
        Created(reinterpret_cast<void*>(handle), kind, name);
        return handle;
    }
};
template <int Id, typename R, typename... A>
R(WINAPI* Creator<Id, R, A...>::real)(A...) = nullptr;
template <int Id, typename R, typename... A>
const char* Creator<Id, R, A...>::kind = nullptr;
template <int Id, typename R, typename... A>
const char* Creator<Id, R, A...>::name = nullptr;

template <int Id, typename R, typename... A>
void WatchCreator(HMODULE module, const char* dll, const char* kind, const char* name) {
    typedef Creator<Id, R, A...> C;
    C::kind = kind;
    C::name = name;
    Install(module, dll, name, reinterpret_cast<void*>(&C::Call), reinterpret_cast<void**>(&C::real));
}

// One redirect per releasing function: forgets the handle once released.
template <int Id>
struct Releaser {
    static BOOL(WINAPI* real)(HANDLE);
    static BOOL WINAPI Call(HANDLE handle) {
        const BOOL ok = real(handle);
        if (ok) Released(handle);
        return ok;
    }
};
template <int Id>
BOOL(WINAPI* Releaser<Id>::real)(HANDLE) = nullptr;

template <int Id>
void WatchReleaser(HMODULE module, const char* dll, const char* name) {
    Install(module, dll, name, reinterpret_cast<void*>(&Releaser<Id>::Call),
            reinterpret_cast<void**>(&Releaser<Id>::real));
}

// The paint DC goes with EndPaint, which always succeeds.
BOOL(WINAPI* g_endPaint)(HWND, const PAINTSTRUCT*) = nullptr;
BOOL WINAPI WatchedEndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint != nullptr) Released(paint->hdc);
    return g_endPaint(window, paint);
}

int(WINAPI* g_releaseDC)(HWND, HDC) = nullptr;
int WINAPI WatchedReleaseDC(HWND window, HDC dc) {
    const int ok = g_releaseDC(window, dc);
    if (ok) Released(dc);
    return ok;
}

// A window's timer is (window, id); a thread timer's id is the one returned.
UINT_PTR(WINAPI* g_setTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = nullptr;
UINT_PTR WINAPI WatchedSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC proc) {
    const UINT_PTR result = g_setTimer(window, id, period, proc);
    if (result != 0) {
        ++g_created;
        g_timers[TimerKey(window, window != nullptr ? id : result)] = "SetTimer";
    }
    return result;
}

BOOL(WINAPI* g_killTimer)(HWND, UINT_PTR) = nullptr;
BOOL WINAPI WatchedKillTimer(HWND window, UINT_PTR id) {
    const BOOL ok = g_killTimer(window, id);
    if (ok && g_timers.erase(TimerKey(window, id)) != 0) ++g_released;
    return ok;
}

void WatchGdi(HMODULE module) {
    const char* gdi = "GDI32.dll";
    WatchCreator<1, HPEN, int, int, COLORREF>(module, gdi, "GDI", "CreatePen");
    WatchCreator<2, HPEN, const LOGPEN*>(module, gdi, "GDI", "CreatePenIndirect");
    WatchCreator<3, HPEN, DWORD, DWORD, const LOGBRUSH*, DWORD, const DWORD*>(module, gdi, "GDI",
                                                                               "ExtCreatePen");
    WatchCreator<4, HBRUSH, COLORREF>(module, gdi, "GDI", "CreateSolidBrush");
    WatchCreator<5, HBRUSH, int, COLORREF>(module, gdi, "GDI", "CreateHatchBrush");
    WatchCreator<6, HBRUSH, const LOGBRUSH*>(module, gdi, "GDI", "CreateBrushIndirect");
    WatchCreator<7, HBRUSH, HBITMAP>(module, gdi, "GDI", "CreatePatternBrush");
    WatchCreator<8, HFONT, const LOGFONTA*>(module, gdi, "GDI", "CreateFontIndirectA");
    WatchCreator<9, HFONT, int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                 DWORD, DWORD, LPCSTR>(module, gdi, "GDI", "CreateFontA");
    WatchCreator<10, HDC, HDC>(module, gdi, "DC", "CreateCompatibleDC");
    WatchCreator<11, HBITMAP, HDC, int, int>(module, gdi, "GDI", "CreateCompatibleBitmap");
    WatchCreator<12, HBITMAP, int, int, UINT, UINT, const void*>(module, gdi, "GDI",
                                                                 "CreateBitmap");
    WatchCreator<13, HBITMAP, HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD>(
        module, gdi, "GDI", "CreateDIBSection");
    WatchCreator<14, HRGN, int, int, int, int>(module, gdi, "GDI", "CreateRectRgn");
    WatchCreator<15, HRGN, const RECT*>(module, gdi, "GDI", "CreateRectRgnIndirect");
    WatchCreator<16, HRGN, int, int, int, int>(module, gdi, "GDI", "CreateEllipticRgn");
    WatchCreator<17, HRGN, int, int, int, int, int, int>(module, gdi, "GDI", "CreateRoundRectRgn");
    WatchCreator<18, HRGN, const POINT*, int, int>(module, gdi, "GDI", "CreatePolygonRgn");
    WatchReleaser<1>(module, gdi, "DeleteObject");
    WatchReleaser<2>(module, gdi, "DeleteDC");
}

void WatchUser(HMODULE module) {
    const char* user = "USER32.dll";
    WatchCreator<30, HDC, HWND>(module, user, "DC", "GetDC");
    WatchCreator<31, HDC, HWND>(module, user, "DC", "GetWindowDC");
    WatchCreator<32, HDC, HWND, HRGN, DWORD>(module, user, "DC", "GetDCEx");
    WatchCreator<33, HDC, HWND, LPPAINTSTRUCT>(module, user, "DC", "BeginPaint");
    Install(module, user, "ReleaseDC", reinterpret_cast<void*>(&WatchedReleaseDC),
            reinterpret_cast<void**>(&g_releaseDC));
    Install(module, user, "EndPaint", reinterpret_cast<void*>(&WatchedEndPaint),
            reinterpret_cast<void**>(&g_endPaint));

    WatchCreator<40, HMENU>(module, user, "menu", "CreateMenu");
    WatchCreator<41, HMENU>(module, user, "menu", "CreatePopupMenu");
    WatchCreator<42, HMENU, HINSTANCE, LPCSTR>(module, user, "menu", "LoadMenuA");
    WatchCreator<43, HMENU, HINSTANCE, LPCWSTR>(module, user, "menu", "LoadMenuW");
    WatchCreator<44, HMENU, const void*>(module, user, "menu", "LoadMenuIndirectA");
    WatchReleaser<40>(module, user, "DestroyMenu");
    WatchCreator<50, HICON, ICONINFO*>(module, user, "icon", "CreateIconIndirect");
    WatchCreator<51, HICON, HINSTANCE, int, int, BYTE, BYTE, const BYTE*, const BYTE*>(
        module, user, "icon", "CreateIcon");
    WatchCreator<52, HCURSOR, HINSTANCE, int, int, int, int, const void*, const void*>(
        module, user, "icon", "CreateCursor");
    WatchCreator<53, HICON, HICON>(module, user, "icon", "CopyIcon");
    WatchReleaser<50>(module, user, "DestroyIcon");
    WatchReleaser<51>(module, user, "DestroyCursor");
    WatchCreator<60, HACCEL, ACCEL*, int>(module, user, "accelerators", "CreateAcceleratorTableA");
    WatchReleaser<60>(module, user, "DestroyAcceleratorTable");
    WatchCreator<70, HHOOK, int, HOOKPROC, HINSTANCE, DWORD>(module, user, "hook",
                                                              "SetWindowsHookExA");
    WatchReleaser<70>(module, user, "UnhookWindowsHookEx");
    WatchCreator<80, HDWP, int>(module, user, "window positions", "BeginDeferWindowPos");
    WatchReleaser<80>(module, user, "EndDeferWindowPos");

    Install(module, user, "SetTimer", reinterpret_cast<void*>(&WatchedSetTimer),
            reinterpret_cast<void**>(&g_setTimer));
    Install(module, user, "KillTimer", reinterpret_cast<void*>(&WatchedKillTimer),
            reinterpret_cast<void**>(&g_killTimer));
}

}  // namespace

void ObjectWatch::Start(HMODULE module) {
    Stop();
    g_live.clear();
    g_timers.clear();
    g_created = 0;
    g_released = 0;
    WatchGdi(module);
    WatchUser(module);
}

void ObjectWatch::Stop() {
    g_redirects.Undo();
}

size_t ObjectWatch::Created() const { return g_created; }
size_t ObjectWatch::Released() const { return g_released; }

std::vector<std::string> ObjectWatch::Live() const {
    std::vector<std::string> live;
    for (const auto& entry : g_live) {
        const LiveObject& o = entry.second;
        // A menu set on a window is destroyed with it.
        if (std::string(o.kind) == "menu" && !IsMenu(static_cast<HMENU>(entry.first))) continue;
        live.push_back(std::string(o.kind) + " " + o.function);
    }
    for (const auto& timer : g_timers) {
        // A window's timers end with the window.
        if (timer.first.first != nullptr && !IsWindow(timer.first.first)) continue;
        live.push_back(std::string("timer ") + timer.second);
    }
    return live;
}
