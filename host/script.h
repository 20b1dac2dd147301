// Script mode: actions on the payload editor, one a line.
//
//   open                 run the custom command "Brask Dialog"
//   carrier TEXT         pick the carrier-list entry TEXT from the drop-down
//   payload TEXT         the same for the payload list
//   type ID TEXT         set the text of edit ID (TEXT may be empty)
//   click ID             click the button or check box ID
//   spin ID up|down [K]  press the upper or lower arrow of up-down ID, K times
//   show                 print what the dialog shows
//   done                 click "<< Done"
//   gallery              open the controls gallery and list its controls
//   say TEXT             print TEXT, to tell a story between the actions
//   pause SECONDS        keep the windows alive and answering for that long
//                        (0 to 3600, decimals allowed), e.g. to look at them
//   kill NAME            the first vessel of that name stays in the
//                        simulation but is no longer live
//   delete NAME          the first vessel of that name leaves the simulation
//
// A NAME is a word, or any text in double quotes, as in a scene file.
//
// Lines whose first non-blank character is '#', and blank lines, are ignored.
#ifndef KESTRIX_HOST_SCRIPT_H
#define KESTRIX_HOST_SCRIPT_H

#include <cstdio>
#include <string>
#include <vector>

enum class ActionKind {
    Open, Carrier, Payload, Type, Click, Spin, Show, Done, Gallery, Say, Pause, Kill, Delete
};

struct ScriptAction {
    int line = 0;
    ActionKind kind = ActionKind::Show;
    int controlId = 0;
    std::string text;  // also the vessel name of kill and delete
    bool up = true;
    int times = 1;
    unsigned milliseconds = 0;  // pause
};

// False, with `error` set to "line N: reason", for the first bad line; then
// nothing of the script may run.
bool ParseScript(const std::string& text, std::vector<ScriptAction>* actions, std::string* error);

// Runs the actions in order against the host's newest dialog, printing what
// `show` and `gallery` ask for to `out`. False, with `error` set to
// "line N: reason", at the first action that cannot be carried out. A gallery
// the script opened is closed when the script ends, so that the plug-in can
// be unloaded after it.
bool RunScript(const std::vector<ScriptAction>& actions, std::FILE* out, std::string* error);

#endif
