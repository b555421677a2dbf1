#pragma once
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;
class CGlobClipboard;

// Taking globs [s, e) out of the drawing once they are on the glob clipboard; Undo puts the
// clipboard's globs back, Redo puts them on the clipboard again and takes them out.
class CCutUndoStep : public IUndoStep {
public:
    CCutUndoStep(CDaubrixView& view, CGlobClipboard& clipboard) : m_view(view), m_clipboard(clipboard) {}
    UndoKind Kind() const override { return kUndoCut; }
    void Undo() override;
    void Redo() override;

    // e is the history position; entire: the run starts the drawing and takes its sections.
    void Perform(int s, int e, bool entire);

private:
    CDaubrixView& m_view;
    CGlobClipboard& m_clipboard;
    int m_start = 0;
    int m_count = 0;
    bool m_entire = false;
    int m_shownBefore = 0;
    int m_undoImageBefore = 0;
};
