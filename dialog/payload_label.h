// The payload list label: a payload's name, optionally followed by
// " Attached;" and the name of the vessel that holds it ("Probe Attached;Tug").
//
// Names are at most 255 characters, so a label can reach 520; label buffers
// are sized for that, so that cutting a label back always gives the payload's
// whole name and the holder's whole name stays readable behind the cut.
#ifndef BRASK_DIALOG_PAYLOAD_LABEL_H
#define BRASK_DIALOG_PAYLOAD_LABEL_H

#include <stddef.h>

constexpr size_t kNameSize = 256;  // a name and its terminating zero
constexpr char kAttachedMark[] = "Attached;";
constexpr char kAttachedSeparator[] = " Attached;";
constexpr size_t kLabelSize = (kNameSize - 1) + (sizeof kAttachedSeparator - 1) + kNameSize;

// True when the label holds "Attached;": the entry is shown as attached.
bool LabelIsAttached(const char* label);

// A name that holds "Attached;" would be read back as another, shorter name,
// so a vessel of such a name cannot be listed.
bool NameFitsLabel(const char* name);

// Ends the text just before the first "Attached;" (in a well-formed label,
// at its blank), leaving the rest of the buffer as it was. A label without
// "Attached;" stays whole.
void StripPayloadLabel(char* label);

// The holder's name: the text after the first "Attached;", semicolons at its
// start skipped, up to the next semicolon. True only when that is the whole
// rest of the label; a rest that is empty, or that a semicolon splits, names
// no vessel the dialog may message (the holder's own name held a semicolon).
bool HolderNameInLabel(const char* label, char* name, size_t size);

// Writes payload + " Attached;" + holder into `label` (kLabelSize bytes);
// each name is taken up to 255 characters.
void BuildAttachedLabel(const char* payload, const char* holder, char* label, size_t size);

// Copies at most size - 1 characters and always terminates.
void CopyText(char* destination, size_t size, const char* source);

#endif
