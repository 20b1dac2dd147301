// What the control tests share: the classes registered for the test program
// itself, a parent window that records what its controls tell it, and
// drawing recorded through an enhanced metafile.
#ifndef KESTRIX_TESTS_CONTROLS_CONTROL_TEST_SUPPORT_H
#define KESTRIX_TESTS_CONTROLS_CONTROL_TEST_SUPPORT_H

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// One notification as the parent received it.
struct Notification {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    // For WM_COMMAND: SWITCH_POSITION of the sending switch when the parent
    // handled the message.
    LONG positionSeen = -1;

    bool operator==(const Notification& o) const {
        return message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
std::ostream& operator<<(std::ostream& out, const Notification& n);

Notification Scroll(WORD code, WORD value, HWND gauge);
Notification Command(WORD id, LONG position);

// A fixture with the classes registered for this program's instance and a
// hidden top-level parent that records WM_HSCROLL and WM_COMMAND.
class ControlTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND CreateGauge(int width, int height, LONG minimum, LONG maximum, LONG value, LONG flags);
    HWND CreateSwitch(int width, int height, int id, LONG position, LONG mode);

    // Handles the posted messages waiting in the queue; timer messages are
    // dropped, the tests send those themselves.
    void PumpPosted();

    // What the parent received so far, then forgotten.
    std::vector<Notification> TakeNotifications();

    HWND parent_ = nullptr;
};

// A mouse message's lParam: x and y each as a 16-bit word, negative values
// as a captured mouse reports them.
LPARAM MousePoint(int x, int y);

// The drawing calls `paint` makes into an enhanced-metafile context, one line
// each:
//   pen white | pen rgb(64,64,64) | brush ltgray | brush rgb(255,0,0) ...
//     (a selection is listed only when it changes what is selected)
//   move X,Y   line X,Y   polygon X,Y X,Y ...   polyline X,Y ...
//   rect BOX   ellipse BOX   arc BOX from X,Y to X,Y
// BOX is left,top,right,bottom normalised (left <= right, top <= bottom)
// with right and bottom exclusive, as Box() writes it. A drawing call GDI
// does not record (such as an empty rectangle) is absent.
std::vector<std::string> RecordDrawing(const std::function<void(HDC)>& paint);
std::string Box(int left, int top, int right, int bottom);

#endif
