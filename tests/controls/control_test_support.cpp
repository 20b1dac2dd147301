#include "tests/controls/control_test_support.h"

#include <cstdio>
#include <map>

#include "controls/custom_controls.h"

namespace {

const char kParentClass[] = "ControlTestParent";
std::vector<Notification>* g_received = nullptr;

LRESULT CALLBACK RecordingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_HSCROLL || message == WM_COMMAND) && g_received != nullptr) {
        Notification n{message, wParam, lParam, -1};
        if (message == WM_COMMAND) {
            // By the low word only: ids above 0xFFFF arrive cut.
            for (HWND c = GetWindow(window, GW_CHILD); c != nullptr;
                 c = GetWindow(c, GW_HWNDNEXT)) {
                if (LOWORD(GetDlgCtrlID(c)) == LOWORD(wParam)) {
                    n.positionSeen = GetWindowLongA(c, SWITCH_POSITION);
                }
            }
        }
        g_received->push_back(n);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Point(LONG x, LONG y) { return std::to_string(x) + "," + std::to_string(y); }

std::string Colour(COLORREF c) {
    return "rgb(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c)) + ")";
}

std::string StockName(DWORD index) {
    switch (index) {
    case WHITE_BRUSH: return "brush white";
    case LTGRAY_BRUSH: return "brush ltgray";
    case GRAY_BRUSH: return "brush gray";
    case BLACK_BRUSH: return "brush black";
    case NULL_BRUSH: return "brush null";
    case WHITE_PEN: return "pen white";
    case BLACK_PEN: return "pen black";
    default: return "stock " + std::to_string(index);
    }
}

// Wine records the box of Ellipse, Arc and Rectangle normalised and
// inclusive of its right and bottom edge; back to the exclusive form.
std::string RecordedBox(const RECTL& r) {
    return Box(r.left, r.top, r.right + 1, r.bottom + 1);
}

std::string Points(const char* name, const POINTS* points, DWORD count) {
    std::string text = name;
    for (DWORD i = 0; i < count; ++i) text += " " + Point(points[i].x, points[i].y);
    return text;
}

struct Reader {
    std::vector<std::string> ops;
    std::map<DWORD, std::string> objects;  // metafile handle index -> name
    std::string pen, brush;

    void Select(const std::string& name) {
        std::string& current = name.rfind("pen", 0) == 0 ? pen : brush;
        if (current == name) return;
        current = name;
        ops.push_back(name);
    }

    void Read(const ENHMETARECORD* r) {
        switch (r->iType) {
        case EMR_HEADER:
        case EMR_EOF:
            break;
        case EMR_CREATEPEN: {
            const EMRCREATEPEN* p = reinterpret_cast<const EMRCREATEPEN*>(r);
            objects[p->ihPen] = "pen " + Colour(p->lopn.lopnColor);
            break;
        }
        case EMR_CREATEBRUSHINDIRECT: {
            const EMRCREATEBRUSHINDIRECT* b = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(r);
            objects[b->ihBrush] = "brush " + Colour(b->lb.lbColor);
            break;
        }
        case EMR_SELECTOBJECT: {
            const DWORD index = reinterpret_cast<const EMRSELECTOBJECT*>(r)->ihObject;
            Select((index & 0x80000000u) != 0 ? StockName(index & 0x7FFFFFFFu)
                                                : objects[index]);
            break;
        }
        case EMR_MOVETOEX: {
            const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(r)->ptl;
            ops.push_back("move " + Point(p.x, p.y));
            break;
        }
        case EMR_LINETO: {
            const POINTL& p = reinterpret_cast<const EMRLINETO*>(r)->ptl;
            ops.push_back("line " + Point(p.x, p.y));
            break;
        }
        case EMR_POLYGON16: {
            const EMRPOLYGON16* p = reinterpret_cast<const EMRPOLYGON16*>(r);
            ops.push_back(Points("polygon", p->apts, p->cpts));
            break;
        }
        case EMR_POLYLINE16: {
            const EMRPOLYLINE16* p = reinterpret_cast<const EMRPOLYLINE16*>(r);
            ops.push_back(Points("polyline", p->apts, p->cpts));
            break;
        }
        case EMR_RECTANGLE:
            ops.push_back("rect " + RecordedBox(reinterpret_cast<const EMRRECTANGLE*>(r)->rclBox));
            break;
        case EMR_ELLIPSE:
            ops.push_back("ellipse " +
                          RecordedBox(reinterpret_cast<const EMRELLIPSE*>(r)->rclBox));
            break;
        case EMR_ARC: {
            const EMRARC* a = reinterpret_cast<const EMRARC*>(r);
            ops.push_back("arc " + RecordedBox(a->rclBox) + " from " +
                          Point(a->ptlStart.x, a->ptlStart.y) + " to " +
                          Point(a->ptlEnd.x, a->ptlEnd.y));
            break;
        }
        default:
            ops.push_back("record " + std::to_string(r->iType));
            break;
        }
    }
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM data) {
    reinterpret_cast<Reader*>(data)->Read(r);
    return 1;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Notification& n) {
    const char* name = n.message == WM_HSCROLL   ? "WM_HSCROLL"
                       : n.message == WM_COMMAND ? "WM_COMMAND"
                                                 : "message";
    char text[96];
    std::snprintf(text, sizeof text, "%s(lo %u, hi %u, lParam %ld)", name,
                  static_cast<unsigned>(LOWORD(n.wParam)), static_cast<unsigned>(HIWORD(n.wParam)),
                  static_cast<long>(n.lParam));
    return out << text;
}

Notification Scroll(WORD code, WORD value, HWND gauge) {
    return Notification{WM_HSCROLL, MAKEWPARAM(code, value), reinterpret_cast<LPARAM>(gauge), -1};
}

Notification Command(WORD id, LONG position) {
    return Notification{WM_COMMAND, MAKEWPARAM(id, 0), position, -1};
}

void ControlTest::SetUp() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterCustomControls(instance);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingParentProc;
    wc.hInstance = instance;
    wc.lpszClassName = kParentClass;
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, kParentClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              nullptr, instance, nullptr);
    ASSERT_NE(parent_, nullptr);
    g_received = new std::vector<Notification>();
}

void ControlTest::TearDown() {
    if (parent_ != nullptr) DestroyWindow(parent_);
    PumpPosted();
    delete g_received;
    g_received = nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA(kParentClass, instance);
    UnregisterCustomControls(instance);
}

HWND ControlTest::CreateGauge(int width, int height, LONG minimum, LONG maximum, LONG value,
                              LONG flags) {
    HWND gauge = CreateWindowExA(0, kGaugeClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                 height, parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(gauge, nullptr);
    SetWindowLongA(gauge, GAUGE_MIN, minimum);
    SetWindowLongA(gauge, GAUGE_MAX, maximum);
    SetWindowLongA(gauge, GAUGE_VALUE, value);
    SetWindowLongA(gauge, GAUGE_FLAGS, flags);
    return gauge;
}

HWND ControlTest::CreateSwitch(int width, int height, int id, LONG position, LONG mode) {
    HMENU childId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    HWND control = CreateWindowExA(0, kSwitchClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                   height, parent_, childId, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(control, nullptr);
    SetWindowLongA(control, SWITCH_POSITION, position);
    SetWindowLongA(control, SWITCH_MODE, mode);
    return control;
}

void ControlTest::PumpPosted() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_TIMER) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<Notification> ControlTest::TakeNotifications() {
    std::vector<Notification> taken;
    if (g_received != nullptr) taken.swap(*g_received);
    return taken;
}

LPARAM MousePoint(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x & 0xFFFF), static_cast<WORD>(y & 0xFFFF));
}

std::vector<std::string> RecordDrawing(const std::function<void(HDC)>& paint) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    paint(dc);
    HENHMETAFILE emf = CloseEnhMetaFile(dc);
    Reader reader;
    EnumEnhMetaFile(nullptr, emf, ReadRecord, &reader, nullptr);
    DeleteEnhMetaFile(emf);
    return reader.ops;
}

std::string Box(int left, int top, int right, int bottom) {
    const int l = left < right ? left : right, r = left < right ? right : left;
    const int t = top < bottom ? top : bottom, b = top < bottom ? bottom : top;
    return Point(l, t) + "," + Point(r, b);
}
