#pragma once
#include "core/model/CGlobBuffer.h"
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;

// Inserting the glob clipboard at the history position; Undo deletes the inserted run, Redo
// pastes that run again the same way.
class CPasteUndoStep : public IUndoStep {
public:
    CPasteUndoStep(CDaubrixView& view, const CGlobBuffer& clipboard) : m_view(view), m_clipboard(clipboard) {}
    UndoKind Kind() const override { return kUndoPaste; }
    void Undo() override;
    void Redo() override;

    // False, with the drawing as it was, when nothing could be inserted.
    bool Perform(bool preserveColors);

private:
    bool PasteRun(const CGlobBuffer& run, bool preserveColors);

    CDaubrixView& m_view;
    const CGlobBuffer& m_clipboard;
    int m_start = 0;
    int m_count = 0;
    bool m_preserve = true;
    // What Undo took out: the clipboard may be refilled before the Redo.
    CGlobBuffer m_undone;
};
