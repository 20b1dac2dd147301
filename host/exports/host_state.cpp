#include "host/exports/host_state.h"

void HostState::Reset() {
    windows.CloseAll();
    scene.Clear();
    trace.Clear();
    trace.SetEnabled(true);
    plugins.Clear();
}
