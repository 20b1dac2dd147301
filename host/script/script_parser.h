// Scripts: actions on the payload editor, one a line, read before any runs.
//
//   open                        run the custom command "Brask Dialog"
//   carrier TEXT                pick the carrier-list entry TEXT from the drop-down
//   payload TEXT                the same for the payload list
//   type FIELD TEXT             set the text of a field (TEXT may be empty)
//   click BUTTON                click a button or check box
//   spin FIELD fine|coarse up|down [K]
//                               press a field's upper or lower arrow K times
//   spin ID up|down [K]         the same for the up-down control ID
//   show                        print what the dialog shows
//   done                        click "<< Done"
//   gallery                     open the controls gallery and list its controls
//   say TEXT                    print TEXT, to tell a story between the actions
//   pause SECONDS               keep the windows alive and answering for that long
//                               (0 to 3600, decimals allowed), e.g. to look at them
//   kill NAME                   the first vessel of that name stays in the
//                               simulation but is no longer live
//   delete NAME                 the first vessel of that name leaves the simulation
//   view                        open the scene view window
//   picture FILE                write the scene view to FILE as a BMP picture
//   focus ID                    give the gallery's gauge or switch ID the keyboard focus
//   key KEY [K]                 press KEY K times in the gallery (left, right, up,
//                               down, pageup, pagedown, home, end, space, tab)
//   accessible ID               print what a screen reader reads of the gallery's
//                               control ID
//   controls                    print what the dialog got of the common controls: the
//                               version, how tall its lists open, its DPI
//   main                        open the host's main window, owner of what opens after
//   tab [K]                     press Tab K times where the keyboard focus is, printing
//                               where the focus goes after each
//   enter                       press Enter where the focus is, printing where it goes
//   layout                      print, for each window of the host, whether every text
//                               of its labels, buttons and check boxes fits its control
//   drop carrier|payload        open that drop-down list and leave it open (for a picture)
//
// Words follow the scene's rules (SplitLine): blanks or tabs separate them,
// "..." keeps blanks, a word starting with '#' begins a comment. A TEXT is
// the remaining words joined by one blank. FIELD and BUTTON are a readable
// name (host/automation/editor_controls.h) or a numeric control id. `say` alone prints the rest
// of its line as written, quotes and '#' included.
#ifndef KESTRIX_HOST_SCRIPT_SCRIPT_PARSER_H
#define KESTRIX_HOST_SCRIPT_SCRIPT_PARSER_H

#include <string>
#include <vector>

enum class ActionKind {
    Open, Carrier, Payload, Type, Click, Spin, Show, Done, Gallery, Say, Pause, Kill, Delete,
    View, Picture, Focus, Key, Accessible, Controls, Main, Tab, Enter, Layout, Drop
};

struct ScriptAction {
    int line = 0;
    ActionKind kind = ActionKind::Show;
    int controlId = 0;  // also the virtual key of key
    std::string controlName;     // the name the script used; empty for an id
    std::string requiredCaption;  // click: the text the button must show, if any
    std::string text;  // also the vessel name of kill and delete, the file of picture
    bool up = true;
    int times = 1;  // also the presses of tab
    unsigned milliseconds = 0;  // pause
};

// False, with `error` set to "line N: reason", for the first bad line; then
// nothing of the script may run.
bool ParseScript(const std::string& text, std::vector<ScriptAction>* actions, std::string* error);

#endif
