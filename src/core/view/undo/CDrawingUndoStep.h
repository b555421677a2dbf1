#pragma once
#include "core/view/undo/IUndoStep.h"
#include <cstdint>

class IHistoryTarget;

// Undo Drawing hides the globs back to the start of the last section; Redo shows them again.
// Nothing is deleted: the next stroke's truncation does that.
class CDrawingUndoStep : public IUndoStep {
public:
    explicit CDrawingUndoStep(IHistoryTarget& view) : m_view(view) {}
    UndoKind Kind() const override { return kUndoDrawing; }
    void Undo() override;
    void Redo() override;

private:
    IHistoryTarget& m_view;
    // The position Redo returns to.
    int32_t m_undoShownCount = 0;
};
