// Finds the vessel behind a handle. The dialog asks for n x n interfaces when
// it opens, so the table is flat (linear probing, a power-of-two size, no
// node to chase) and holds what those look-ups need beside the vessel, so
// that they touch nothing else.
#ifndef KESTRIX_HOST_SCENE_HANDLE_INDEX_H
#define KESTRIX_HOST_SCENE_HANDLE_INDEX_H

#include <stddef.h>
#include <stdint.h>

#include <vector>

class SceneVessel;

struct HandleEntry {
    const void* handle = nullptr;
    SceneVessel* vessel = nullptr;
    bool alive = false;
    bool hasInterface = false;
};

class HandleIndex {
public:
    // Replaces the contents; handles must be distinct and not null.
    void Rebuild(const std::vector<HandleEntry>& entries);
    // Null for any handle that was not given, the null handle included.
    const HandleEntry* Find(const void* handle) const;

private:
    size_t Slot(const void* handle) const;

    std::vector<HandleEntry> slots_;
    unsigned shift_ = 0;  // the table has 2^(bits of uintptr_t - shift_) slots
};

#endif
