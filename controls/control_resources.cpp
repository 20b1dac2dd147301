#include "controls/control_resources.h"

HPEN g_gaugeShadowPen = nullptr;
HPEN g_switchShadowPen = nullptr;
HBRUSH g_gaugeRedBrush = nullptr;
HBRUSH g_switchFaceBrush = nullptr;

namespace {

template <typename Handle>
void DeleteAndForget(Handle* object) {
    if (*object != nullptr) DeleteObject(*object);
    *object = nullptr;
}

}  // namespace

void CreateControlResources() {
    g_gaugeShadowPen = CreatePen(PS_SOLID, 1, RGB(64, 64, 64));
    g_switchShadowPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    g_gaugeRedBrush = CreateSolidBrush(RGB(255, 0, 0));
    g_switchFaceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

void DeleteControlResources() {
    DeleteAndForget(&g_gaugeShadowPen);
    DeleteAndForget(&g_switchShadowPen);
    DeleteAndForget(&g_gaugeRedBrush);
    DeleteAndForget(&g_switchFaceBrush);
}
