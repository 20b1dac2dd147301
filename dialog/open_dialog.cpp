#include "dialog/payload_dialog.h"
#include "dialog/resource.h"
#include "kapi.h"
#include "module/module_state.h"

void OpenPayloadDialog(void* /*context*/) {
    // The window handle is not kept: every later call reaches the dialog
    // through PayloadDlgProc, which receives it with each message. Whether a
    // second run opens a second window is the host's decision.
    kapiOpenDialog(ModuleInstance(), IDD_PAYLOAD_DIALOG, PayloadDlgProc, nullptr);
}
