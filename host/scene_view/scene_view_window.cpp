#include "host/scene_view.h"

#include "host/carrier_changes.h"
#include "host/host_state.h"
#include "host/scene_picture.h"
#include "host/scene_view_model.h"

namespace {

const char kViewClass[] = "KestrixSceneView";
const int kClientWidth = kPictureWidth;
const int kClientHeight = 2 * kPictureRowHeight;

HWND g_view = nullptr;

// Redraws the view after every change a carrier accepted. The paint reads
// the carriers then, so a burst of arrow clicks costs one paint.
class RedrawOnChange : public CarrierChangeObserver {
public:
    void OnCarrierChanged(const std::string&, uint32_t) override { RefreshSceneView(); }
};

RedrawOnChange g_redraw;

LRESULT OnCreate() {
    ObserveCarrierChanges(&g_redraw);
    return 0;
}

// Painted whole into memory, then copied: the window never shows half a paint.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const std::vector<ViewCarrier> carriers = CollectSceneView(TheHost().scene);
    ScenePicture frame(client.right, client.bottom);
    if (dc != nullptr && frame.Ready()) {
        frame.Paint(carriers, carriers.size());
        BitBlt(dc, 0, 0, client.right, client.bottom, frame.Context(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &ps);
    return 0;
}

LRESULT OnDestroy(HWND window) {
    ObserveCarrierChanges(nullptr);
    if (window == g_view) g_view = nullptr;
    return 0;
}

LRESULT CALLBACK SceneViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_PAINT:
        return OnPaint(window);
    case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        return OnDestroy(window);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterViewClass(HINSTANCE host) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(host, kViewClass, &wc)) return;
    wc.lpfnWndProc = SceneViewProc;
    wc.hInstance = host;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kViewClass;
    RegisterClassA(&wc);
}

}  // namespace

HWND OpenSceneView(HWND owner, std::string* error) {
    if (g_view != nullptr) {
        ShowWindow(g_view, SW_SHOWNORMAL);
        SetForegroundWindow(g_view);
        return g_view;
    }
    const HINSTANCE host = GetModuleHandleA(nullptr);
    RegisterViewClass(host);
    const DWORD style = WS_OVERLAPPEDWINDOW;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExA(0, kViewClass, "Scene view", style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, owner, nullptr, host, nullptr);
    if (window == nullptr) {
        *error = "cannot create the scene view window";
        return nullptr;
    }
    g_view = window;
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

void CloseSceneView() {
    if (g_view != nullptr) DestroyWindow(g_view);
    g_view = nullptr;
}

HWND SceneViewWindow() { return g_view; }

void RefreshSceneView() {
    if (g_view != nullptr) InvalidateRect(g_view, nullptr, FALSE);
}
