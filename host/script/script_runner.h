// Carrying out a script's actions as a user would, in the running host.
#ifndef KESTRIX_HOST_SCRIPT_SCRIPT_RUNNER_H
#define KESTRIX_HOST_SCRIPT_SCRIPT_RUNNER_H

#include <cstdio>
#include <string>
#include <vector>

#include "host/script/script_parser.h"

// Runs the actions in order against the host's newest dialog, printing what
// `show`, `say` and `gallery` ask for to `out`. False, with `error` set to
// "line N: reason", at the first action that cannot be carried out. The
// windows the script opened (dialogs, a gallery, a scene view) stay with the
// host's windows, which close them all before the plug-in is unloaded.
bool RunScript(const std::vector<ScriptAction>& actions, std::FILE* out, std::string* error);

#endif
