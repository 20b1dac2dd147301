// A pen or a brush selected for the length of a scope.
//
// The guard remembers what its first selection replaced and puts it back when
// it goes out of scope, so a paint routine leaves a context as it found it and
// nothing it draws with relies on what an earlier routine left selected.
#ifndef BRASK_CONTROLS_SCOPED_SELECTION_H
#define BRASK_CONTROLS_SCOPED_SELECTION_H

#include <windows.h>

class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() {
        // Null: the first selection failed and replaced nothing.
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    // Selects another object of the same kind (pen for pen, brush for brush);
    // the guard still puts back the one from before its first selection.
    void Change(HGDIOBJ object) { SelectObject(dc_, object); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

inline HGDIOBJ Stock(int object) { return GetStockObject(object); }

#endif
