// Registering the two classes and their shared drawing objects, and taking
// them away again.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/control_resources.h"
#include "controls/custom_controls.h"

namespace {

COLORREF PenColour(HPEN pen) {
    LOGPEN lp = {};
    EXPECT_EQ(GetObjectA(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(lp.lopnWidth.x, 1);
    return lp.lopnColor;
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH lb = {};
    EXPECT_EQ(GetObjectA(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    return lb.lbColor;
}

class Registration : public testing::Test {
protected:
    void TearDown() override { UnregisterCustomControls(instance_); }
    HINSTANCE instance_ = GetModuleHandleA(nullptr);
};

TEST_F(Registration, ClassesAndDrawingObjectsAreAsTheControlsNeed) {
    RegisterCustomControls(instance_);

    WNDCLASSA gauge = {};
    ASSERT_TRUE(GetClassInfoA(instance_, kGaugeClassName, &gauge));
    EXPECT_EQ(gauge.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(gauge.cbClsExtra, 0);
    EXPECT_EQ(gauge.cbWndExtra, 16);
    EXPECT_EQ(gauge.hbrBackground, GetStockObject(LTGRAY_BRUSH));
    EXPECT_EQ(gauge.hCursor, nullptr);
    EXPECT_EQ(gauge.hIcon, nullptr);
    EXPECT_EQ(gauge.lpszMenuName, nullptr);

    WNDCLASSA control = {};
    ASSERT_TRUE(GetClassInfoA(instance_, kSwitchClassName, &control));
    EXPECT_EQ(control.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(control.cbClsExtra, 0);
    EXPECT_EQ(control.cbWndExtra, 8);
    EXPECT_EQ(control.hbrBackground, g_switchFaceBrush);
    EXPECT_EQ(control.hCursor, nullptr);
    EXPECT_EQ(control.hIcon, nullptr);
    EXPECT_NE(control.lpfnWndProc, gauge.lpfnWndProc);

    // Not global: another instance does not see them.
    WNDCLASSA other = {};
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleA("user32.dll"), kGaugeClassName, &other));

    EXPECT_EQ(PenColour(g_gaugeShadowPen), RGB(64, 64, 64));
    EXPECT_EQ(PenColour(g_switchShadowPen), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(BrushColour(g_gaugeRedBrush), RGB(255, 0, 0));
    EXPECT_EQ(BrushColour(g_switchFaceBrush), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Registration, UnregisteringRemovesClassesAndDeletesObjectsOnlyOnce) {
    RegisterCustomControls(instance_);
    const HGDIOBJ objects[4] = {g_gaugeShadowPen, g_switchShadowPen, g_gaugeRedBrush,
                                g_switchFaceBrush};

    UnregisterCustomControls(instance_);
    WNDCLASSA wc = {};
    EXPECT_FALSE(GetClassInfoA(instance_, kGaugeClassName, &wc));
    EXPECT_FALSE(GetClassInfoA(instance_, kSwitchClassName, &wc));
    for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(g_gaugeShadowPen, nullptr);
    EXPECT_EQ(g_switchShadowPen, nullptr);
    EXPECT_EQ(g_gaugeRedBrush, nullptr);
    EXPECT_EQ(g_switchFaceBrush, nullptr);

    // A second shutdown, and one without a start, find nothing to release;
    // objects created since keep living.
    HBRUSH bystander = CreateSolidBrush(RGB(1, 2, 3));
    UnregisterCustomControls(instance_);
    EXPECT_EQ(GetObjectType(bystander), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(bystander);

    // And the classes can be registered afresh.
    RegisterCustomControls(instance_);
    EXPECT_TRUE(GetClassInfoA(instance_, kGaugeClassName, &wc));
    EXPECT_EQ(GetObjectType(g_switchFaceBrush), static_cast<DWORD>(OBJ_BRUSH));
}

}  // namespace
