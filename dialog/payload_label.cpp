#include "dialog/payload_label.h"

#include <cstring>

void CopyText(char* destination, size_t size, const char* source) {
    if (size == 0) return;
    size_t n = 0;
    if (source != nullptr) {
        while (n + 1 < size && source[n] != '\0') {
            destination[n] = source[n];
            ++n;
        }
    }
    destination[n] = '\0';
}

bool LabelIsAttached(const char* label) { return std::strstr(label, kAttachedMark) != nullptr; }

bool NameFitsLabel(const char* name) { return !LabelIsAttached(name); }

void StripPayloadLabel(char* label) {
    char* mark = std::strstr(label, kAttachedMark);
    if (mark == nullptr) return;
    // A mark at the very start leaves an empty name rather than a write
    // before the buffer.
    *(mark == label ? mark : mark - 1) = '\0';
}

bool HolderNameInLabel(const char* label, char* name, size_t size) {
    const char* mark = std::strstr(label, kAttachedMark);
    if (mark == nullptr) {
        CopyText(name, size, "");
        return false;
    }
    const char* rest = mark + (sizeof kAttachedMark - 1);
    const size_t skipped = std::strspn(rest, ";");
    const char* start = rest + skipped;
    const size_t length = std::strcspn(start, ";");
    CopyText(name, length < size ? length + 1 : size, start);
    return skipped == 0 && start[length] == '\0' && length > 0 && length < size;
}

void BuildAttachedLabel(const char* payload, const char* holder, char* label, size_t size) {
    // No room at all: not even the terminating zero may be written, and the
    // buffer, never terminated, must not be read.
    if (size == 0) return;
    char name[kNameSize];
    CopyText(name, sizeof name, payload);
    CopyText(label, size, name);
    const size_t used = std::strlen(label);
    CopyText(label + used, size - used, kAttachedSeparator);
    CopyText(name, sizeof name, holder);
    const size_t used2 = std::strlen(label);
    CopyText(label + used2, size - used2, name);
}
