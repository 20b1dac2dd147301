// What an owner needs to configure a gauge or a switch: the class names, the
// window longs and their bits. Plain values only, so that the controls'
// geometry can be built and checked without Windows headers.
#ifndef BRASK_CONTROLS_CONTROL_LONGS_H
#define BRASK_CONTROLS_CONTROL_LONGS_H

#include <stdint.h>

// ---- Gauge: a bar between two arrow boxes ---------------------------------
//
// Holding the left button on an arrow box steps the value by 1 per timer
// tick; pressing in the track sets the value from the mouse position and
// dragging keeps setting it. Every change is *sent* to the parent as
// WM_HSCROLL (also for a vertical gauge): LOWORD(wParam) is SB_LINELEFT,
// SB_LINERIGHT or SB_THUMBTRACK, HIWORD(wParam) the low 16 bits of the value,
// lParam the gauge's window handle.
constexpr char kGaugeClassName[] = "KestrixCtrl_Gauge";

// Window longs (byte indices).
constexpr int GAUGE_VALUE = 0;
constexpr int GAUGE_MIN = 4;
constexpr int GAUGE_MAX = 8;
constexpr int GAUGE_FLAGS = 12;

// GAUGE_FLAGS bits. The owner writes GF_REVERSED, GF_VERTICAL and GF_RED; the
// gauge keeps its press and repeat state in the bits between them.
constexpr int32_t GF_REVERSED = 0x01;    // bar grows from the right or bottom end
constexpr int32_t GF_VERTICAL = 0x02;    // arrow boxes at top and bottom
constexpr int32_t GF_PRESS_LOW = 0x04;   // pressed in the left or top box
constexpr int32_t GF_PRESS_HIGH = 0x08;  // pressed in the right or bottom box
constexpr int32_t GF_DRAG = GF_PRESS_LOW | GF_PRESS_HIGH;  // pressed in the track
constexpr int32_t GF_STEP_DOWN = 0x10;   // each timer tick steps the value down
constexpr int32_t GF_STEP_UP = 0x20;     // each timer tick steps the value up
constexpr int32_t GF_RED = 0x40;         // red bar instead of black

// The repeat state, which BM_GETSTATE answers: GF_STEP_DOWN and GF_STEP_UP
// read together as a number.
constexpr int32_t GR_IDLE = 0;       // no arrow box held; also while dragging
constexpr int32_t GR_STEP_DOWN = 1;  // GF_STEP_DOWN alone
constexpr int32_t GR_STEP_UP = 2;    // GF_STEP_UP alone
constexpr int32_t GR_STEP_BOTH = 3;  // both, after a second press without a release: no steps

// ---- Switch: a two- or three-position toggle switch -----------------------
//
// A press in the upper half moves the lever one position up, in the lower
// half one position down. Each change is *posted* to the parent as
// WM_COMMAND: LOWORD(wParam) the switch's control id, HIWORD(wParam) 0,
// lParam the new position.
constexpr char kSwitchClassName[] = "KestrixCtrl_Switch";

// Window longs (byte indices). Creation sets both to 0, so the owner writes
// them after CreateWindowExA returns.
constexpr int SWITCH_POSITION = 0;
constexpr int SWITCH_MODE = 4;

// SWITCH_POSITION values; any other value is drawn as the centre and
// ignores clicks.
constexpr int32_t SW_UP = 0;
constexpr int32_t SW_DOWN = 1;
constexpr int32_t SW_CENTRE = 2;

// SWITCH_MODE bits.
constexpr int32_t SWM_THREE_POS = 0x01;  // up and down pass through the centre
constexpr int32_t SWM_BLANK = 0x04;      // draw only the background; clicks still work

#endif
