#pragma once
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;

// Clear hides every glob and empties the sections without deleting anything; the next stroke
// empties the document for good. Until then Undo shows the drawing again as it was, with its
// sections and history position, and Redo hides it once more. A step keeps the drawing's
// colour changes, its section count and floor and its history position.
class CClearUndoStep : public IUndoStep {
public:
    explicit CClearUndoStep(CDaubrixView& view) : m_view(view) {}
    UndoKind Kind() const override { return kUndoClear; }
    void Undo() override;
    void Redo() override;

    // Clears the view's drawing and makes this the document's undo step.
    void Clear();

private:
    struct Memo;
    void Hide(Memo& memo);

    CDaubrixView& m_view;
};
