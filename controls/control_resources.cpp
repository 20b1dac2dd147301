#include "controls/control_resources.h"

HPEN gaugeShadowPen = nullptr;
HPEN switchShadowPen = nullptr;
HBRUSH gaugeRedBrush = nullptr;
HBRUSH switchFaceBrush = nullptr;

namespace {

template <typename Handle>
void DeleteAndForget(Handle* object) {
    if (*object != nullptr) DeleteObject(*object);
    *object = nullptr;
}

}  // namespace

void CreateControlResources() {
    gaugeShadowPen = CreatePen(PS_SOLID, 1, RGB(64, 64, 64));
    switchShadowPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    gaugeRedBrush = CreateSolidBrush(RGB(255, 0, 0));
    switchFaceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

void DeleteControlResources() {
    DeleteAndForget(&gaugeShadowPen);
    DeleteAndForget(&switchShadowPen);
    DeleteAndForget(&gaugeRedBrush);
    DeleteAndForget(&switchFaceBrush);
}
