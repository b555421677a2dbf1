#pragma once
#include <cstddef>

// What one undoable action keeps to be undone and redone (positions, removed globs, colour
// changes, sections). The steps that perform the actions define it; the undo state owns it.
class CUndoMemo {
public:
    virtual ~CUndoMemo() = default;
    // Bytes held beyond the object itself.
    virtual size_t Bytes() const { return 0; }
    // The highest sequence position the undo or redo relies on; deleting globs below it
    // makes the step useless.
    virtual int Reach() const { return 0; }
};
