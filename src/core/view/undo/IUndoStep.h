#pragma once
#include "core/model/UndoKind.h"

// One kind of undoable action: its undo and its redo, and the state it saved to do them. The
// document's undo kind says which step is available; the history turns it from undo to redo
// (and back) before calling the step, which may set it again.
class IUndoStep {
public:
    virtual ~IUndoStep() = default;
    // The undo kind of its action; its redo is RedoKind(Kind()).
    virtual UndoKind Kind() const = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // The Edit menu's Undo/Redo item while this step is available.
    virtual UndoMenuState Menu(bool redo) const { return UndoMenuFor(redo ? Kind() + kUndoActionCount : Kind()); }
};
