// The keys a script presses in the controls gallery, by name, with their
// virtual-key codes. Window-free, so that the script's parser stays so.
#ifndef KESTRIX_HOST_GALLERY_GALLERY_KEY_NAMES_H
#define KESTRIX_HOST_GALLERY_GALLERY_KEY_NAMES_H

#include <string>

// The virtual-key code of a key's name: left, right, up, down, pageup,
// pagedown, home, end, space or tab. False for any other name.
bool GalleryKeyCode(const std::string& name, unsigned* key);

// The names, as a message lists them: "left, right, ... or tab".
std::string GalleryKeyNames();

#endif
