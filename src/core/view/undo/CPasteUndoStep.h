#pragma once
#include "core/model/CGlobBuffer.h"
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;

// Inserting the glob clipboard at the history position; Undo deletes the inserted run, Redo
// pastes that run again the same way. A step keeps the positions, the colour changes and
// sections from before, and while undone the run it took out.
class CPasteUndoStep : public IUndoStep {
public:
    CPasteUndoStep(CDaubrixView& view, const CGlobBuffer& clipboard) : m_view(view), m_clipboard(clipboard) {}
    UndoKind Kind() const override { return kUndoPaste; }
    void Undo() override;
    void Redo() override;

    // False, with the drawing as it was, when nothing could be inserted.
    bool Perform(bool preserveColors);

private:
    struct Memo;
    // Inserts run; memo is the step being redone, nullptr for a new paste.
    bool PasteRun(const CGlobBuffer& run, bool preserveColors, Memo* memo);

    CDaubrixView& m_view;
    const CGlobBuffer& m_clipboard;
};
