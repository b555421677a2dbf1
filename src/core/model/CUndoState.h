#pragma once
#include "core/model/UndoKind.h"
#include <cstdint>

// What the Undo/Redo command acts on: the last undoable action, waiting either to be undone
// or, once undone, to be redone. Callers speak of actions only, never of the stored kind, so
// the store behind can keep more than one step without them knowing.
class CUndoState {
public:
    // The kind waiting: kUndoNone, an undo kind or a redo kind.
    int Kind() const { return m_kind; }
    // The action Undo/Redo would act on (kUndoDepth..kUndoPaste), kUndoNone when none.
    UndoKind Action() const;
    bool IsRedo() const { return Action() != kUndoNone && m_kind > kUndoActionCount; }
    UndoMenuState Menu() const { return UndoMenuFor(m_kind); }

    // A new undoable action replaces what was kept.
    void Record(UndoKind action);
    // Undo done: the action waits to be redone, and back. A step that failed flips again.
    void Flip();
    void Forget() { m_kind = kUndoNone; }
    // Forgets the action, whether it waits to be undone or redone.
    void ForgetAction(UndoKind action);
    void ForgetUndoOf(UndoKind action);
    void ForgetRedoOf(UndoKind action);
    // A kind as stored, even one outside the table: it shows disabled and does nothing.
    void Restore(uint8_t kind) { m_kind = kind; }

private:
    uint8_t m_kind = kUndoNone;
};
