#include "core/view/undo/CDrawingUndoStep.h"
#include "core/model/CDaubrixDoc.h"
#include "core/view/IHistoryTarget.h"

void CDrawingUndoStep::Undo()
{
    const int p = m_view.ShownCount();
    m_undoShownCount = p;
    m_view.RestoreTo(m_view.Doc().SectionStartFor(p));
    m_view.NotifyHistoryChanged();
}

void CDrawingUndoStep::Redo()
{
    m_view.RestoreTo(m_undoShownCount);
    m_view.NotifyHistoryChanged();
}
