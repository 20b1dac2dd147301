// The keyboard in the controls gallery, for scripts: the focus given to one
// of its gauges or switches, and keys pressed as a user presses them.
#ifndef KESTRIX_HOST_GALLERY_GALLERY_KEYS_H
#define KESTRIX_HOST_GALLERY_GALLERY_KEYS_H

#include <windows.h>

#include <cstdio>
#include <string>

// Gives the open gallery's gauge or switch `id` the keyboard focus, as its
// owner may. False, with `reason`, when there is no gallery or no such
// control in it.
bool FocusGalleryControl(int id, std::string* reason);

// Presses `key` (a virtual-key code, gallery_key_names.h) `times` times where the gallery's focus is, each press going
// through the gallery's message loop as in the host's main window (Tab moves
// the focus). Prints the lines the gallery's log gained, as "log: ...", and
// then where the focus is: "focus: 200 "grows right"".
bool PressGalleryKey(WORD key, int times, std::FILE* out, std::string* reason);

#endif
