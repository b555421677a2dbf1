#pragma once
#include "core/view/depth/CDepthRecolorer.h"
#include "core/view/undo/IUndoStep.h"

class CDaubrixView;

// Simulate Depth and its undo: the colour changes the recolouring replaced are exchanged with
// the drawing's. A step keeps those changes (from the first one the recolouring touched on)
// and the recoloured range.
class CDepthUndoStep : public IUndoStep {
public:
    explicit CDepthUndoStep(CDaubrixView& view) : m_view(view) {}
    UndoKind Kind() const override { return kUndoDepth; }
    void Undo() override { Exchange(); }
    void Redo() override { Exchange(); }

    // Recolours the range the choice names up to the history position; false, with nothing
    // changed and no undo step, when that range is empty.
    bool Perform(const DepthChoice& choice);

private:
    void Exchange();
    // The undo image is drawn anew only when the recoloured range reaches into it.
    void Redraw(bool entire, int start);

    CDaubrixView& m_view;
};
