// The payload editor's controls as a script names them: each numeric field
// by a readable name beside the plug-in's own table of fields, and the
// buttons and check boxes; and the command that opens the editor.
#ifndef KESTRIX_HOST_AUTOMATION_EDITOR_CONTROLS_H
#define KESTRIX_HOST_AUTOMATION_EDITOR_CONTROLS_H

#include <string>

#include "dialog/payload_field_table.h"

// The label of the custom command that opens the payload editor.
extern const char kEditorCommand[];

// A field's name, e.g. "pos.x".
const char* PayloadFieldName(const PayloadField& field);

// A push button or check box. `caption`, when set, is the text the button
// must show for the name to apply ("attach" and "detach" name one button).
struct PayloadButton {
    const char* name;
    int id;
    const char* caption;
};

// Null when no field or button has that name.
const PayloadField* FindPayloadField(const std::string& name);
const PayloadButton* FindPayloadButton(const std::string& name);

// "pos.x, pos.y, ...": every name, for messages.
std::string PayloadFieldNames();
std::string PayloadButtonNames();

#endif
