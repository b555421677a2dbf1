#pragma once
#include "core/model/CUndoMemo.h"
#include "core/view/undo/IUndoStep.h"
#include <memory>

class IHistoryTarget;

// Undo Drawing hides the globs back to the start of the last section; Redo shows them again.
// Nothing is deleted: the next stroke's truncation does that. A step keeps positions only:
// where it began and where Redo returns to.
class CDrawingUndoStep : public IUndoStep {
public:
    explicit CDrawingUndoStep(IHistoryTarget& view) : m_view(view) {}
    UndoKind Kind() const override { return kUndoDrawing; }
    void Undo() override;
    void Redo() override;

    // What a stroke or import beginning at the history position start keeps.
    static std::unique_ptr<CUndoMemo> Begun(int start);

private:
    IHistoryTarget& m_view;
};
