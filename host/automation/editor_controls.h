// The readable names a script gives the payload editor's controls, beside
// their numeric ids.
#ifndef KESTRIX_HOST_CONTROL_NAMES_H
#define KESTRIX_HOST_CONTROL_NAMES_H

#include <string>

// A numeric field and its two arrows. The ten are in the order of the
// fields: line that `show` prints.
struct PayloadField {
    const char* name;  // e.g. "pos.x"
    int field;
    int fineArrow;    // step 0.001
    int coarseArrow;  // step 1.0
};
constexpr int kPayloadFieldCount = 10;
extern const PayloadField kPayloadFields[kPayloadFieldCount];

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
