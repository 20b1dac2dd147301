#include "host/exports/host_state.h"

#include "host/win32/window_places.h"

void HostState::Reset() {
    windows.CloseAll();
    ForgetPlaces();
    scene.Clear();
    trace.Clear();
    trace.SetEnabled(true);
    plugins.Clear();
}
