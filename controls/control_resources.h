// The pens and brushes both controls draw with. Created once at registration
// and deleted at unregistration; null outside that span. Paint code selects
// them through ScopedSelection, which puts back what they replaced, so none of
// them stays selected in a context after a paint.
#ifndef BRASK_CONTROLS_CONTROL_RESOURCES_H
#define BRASK_CONTROLS_CONTROL_RESOURCES_H

#include <windows.h>

extern HPEN g_gaugeShadowPen;     // RGB(64, 64, 64): lower right edges of the arrow boxes
extern HPEN g_switchShadowPen;    // button shadow colour: switch edges, arcs, lever outline
extern HBRUSH g_gaugeRedBrush;    // RGB(255, 0, 0): the bar of a red gauge
extern HBRUSH g_switchFaceBrush;  // button face colour: the switch's class background

// The system colours are read here, once; later changes do not reach the
// objects.
void CreateControlResources();
// Deletes the four objects and sets their handles to null, so that a second
// call deletes nothing.
void DeleteControlResources();

#endif
