#include "host/gallery/gallery_key_names.h"

namespace {

// The system's virtual-key codes, which never change.
const struct {
    const char* name;
    unsigned key;
} kKeys[] = {{"left", 0x25},   {"right", 0x27},    {"up", 0x26},   {"down", 0x28},
             {"pageup", 0x21}, {"pagedown", 0x22}, {"home", 0x24}, {"end", 0x23},
             {"space", 0x20},  {"tab", 0x09}};
const size_t kKeyCount = sizeof kKeys / sizeof kKeys[0];

}  // namespace

bool GalleryKeyCode(const std::string& name, unsigned* key) {
    for (const auto& k : kKeys) {
        if (name == k.name) {
            *key = k.key;
            return true;
        }
    }
    return false;
}

std::string GalleryKeyNames() {
    std::string names;
    for (size_t i = 0; i < kKeyCount; ++i) {
        if (i > 0) names += i + 1 < kKeyCount ? ", " : " or ";
        names += kKeys[i].name;
    }
    return names;
}
