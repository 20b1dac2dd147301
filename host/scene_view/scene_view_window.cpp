#include "host/scene_view/scene_view_window.h"

#include <memory>
#include <vector>

#include "host/scene/scene.h"
#include "host/scene_view/scene_picture.h"
#include "host/scene_view/scene_view_model.h"
#include "host/win32/open_or_raise.h"
#include "host/win32/window_class.h"

namespace {

const char kViewClass[] = "KestrixSceneView";
const int kClientWidth = kPictureWidth;
const int kClientHeight = 2 * kPictureRowHeight;

// What one view window holds: the scene it shows, listened to while the
// window lives. The paint reads the carriers when it runs, so a burst of
// arrow clicks costs one paint.
class ViewState : public SceneListener {
public:
    ViewState(HWND window, Scene& scene) : window_(window), scene_(scene) {
        scene_.Changes().Add(this);
    }
    ~ViewState() override { scene_.Changes().Remove(this); }
    ViewState(const ViewState&) = delete;
    ViewState& operator=(const ViewState&) = delete;

    const Scene& Shown() const { return scene_; }

    void OnCarrierChanged(const std::string&, uint32_t) override { Redraw(); }
    void OnVesselKilled(const std::string&) override { Redraw(); }
    void OnVesselRemoved(const std::string&) override { Redraw(); }

private:
    void Redraw() { InvalidateRect(window_, nullptr, FALSE); }

    HWND window_;
    Scene& scene_;
};

ViewState* StateOf(HWND window) {
    return reinterpret_cast<ViewState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
    Scene* scene = static_cast<Scene*>(create->lpCreateParams);
    if (scene == nullptr) return -1;
    // The window owns its state from here; OnDestroy deletes it.
    ViewState* state = new ViewState(window, *scene);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return 0;
}

// Painted whole into memory, then copied: the window never shows half a paint.
LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const ViewState* state = StateOf(window);
    RECT client;
    GetClientRect(window, &client);
    if (dc != nullptr && state != nullptr) {
        const std::vector<ViewCarrier> carriers = CollectSceneView(state->Shown());
        ScenePicture frame(client.right, client.bottom);
        if (frame.Ready()) {
            frame.Paint(carriers, carriers.size());
            BitBlt(dc, 0, 0, client.right, client.bottom, frame.Context(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(window, &ps);
    return 0;
}

LRESULT OnDestroy(HWND window) {
    std::unique_ptr<ViewState> state(StateOf(window));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return 0;
}

LRESULT CALLBACK SceneViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
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

HWND CreateView(Scene& scene, HWND owner) {
    if (!RegisterWindowClass(kViewClass, SceneViewProc, nullptr)) return nullptr;
    const DWORD style = WS_OVERLAPPEDWINDOW;
    RECT frame = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    return CreateWindowExA(0, kViewClass, "Scene view", style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                           GetModuleHandleA(nullptr), &scene);
}

}  // namespace

HWND OpenSceneView(Scene& scene, HWND owner, std::string* error) {
    HWND window = OpenOrRaise(kViewClass, [&] { return CreateView(scene, owner); });
    if (window == nullptr) *error = "cannot create the scene view window";
    return window;
}

HWND SceneViewWindow() { return FindThreadWindow(kViewClass); }
