// Everything the stand-in host keeps while it runs, in three parts: the
// simulation (the scene and the message trace), what the plug-in registered,
// and the windows kept open beside the main window. (What a plug-in calls is
// told to observers instead: host/kapi/plugin_calls.h.)
#ifndef KESTRIX_HOST_EXPORTS_HOST_STATE_H
#define KESTRIX_HOST_EXPORTS_HOST_STATE_H

#include "host/exports/host_windows.h"
#include "host/exports/plugin_registry.h"
#include "host/scene/message_trace.h"
#include "host/scene/scene.h"

struct HostState {
    // First: the scene's vessels trace into it.
    MessageTrace trace;
    Scene scene{&trace};

    PluginRegistry plugins;
    HostWindows windows;

    // Back to a host with no window open, nothing registered, an empty scene
    // and a trace that records.
    void Reset();
};

// Inline, so that the host's exports, which the dialog calls n x n times
// when it opens, reach the state without a call of their own.
inline HostState& TheHost() {
    static HostState host;
    return host;
}

#endif
