#pragma once
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;
class CGlobClipboard;

// Taking globs [s, e) out of the drawing once they are on the glob clipboard; Undo puts them
// back, Redo puts them on the clipboard again and takes them out. A step keeps the globs it
// took, the colour changes and sections from before, and the positions.
class CCutUndoStep : public IUndoStep {
public:
    CCutUndoStep(CDaubrixView& view, CGlobClipboard& clipboard) : m_view(view), m_clipboard(clipboard) {}
    UndoKind Kind() const override { return kUndoCut; }
    void Undo() override;
    void Redo() override;

    // e is the history position; entire: the run starts the drawing and takes its sections.
    void Perform(int s, int e, bool entire);

private:
    struct Memo;
    // exchange: a redo exchanging what the undo put back; else a new cut saving it.
    void TakeOut(Memo& memo, bool exchange);

    CDaubrixView& m_view;
    CGlobClipboard& m_clipboard;
};
