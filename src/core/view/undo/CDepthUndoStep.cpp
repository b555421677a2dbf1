#include "core/view/undo/CDepthUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"

bool CDepthUndoStep::Perform(const DepthChoice& choice)
{
    CDaubrixDoc& doc = m_view.Doc();
    const int shown = m_view.ShownCount();
    const int start = CDepthRecolorer::RangeStart(doc, choice.entire, shown);
    if (shown - start <= 0)
        return false;
    IHost& host = m_view.App().Host();
    host.BeginWaitCursor();
    doc.SaveColorChanges();
    doc.Undo().Record(kUndoDepth);
    const CShape& s = m_view.App().CurrentShape();
    CDepthRecolorer(doc, s.Color()).Apply(choice, start, shown);
    doc.SetModifiedFlag();
    host.EndWaitCursor();
    m_entire = choice.entire;
    m_start = start;
    Redraw();
    return true;
}

void CDepthUndoStep::Exchange()
{
    CDaubrixDoc& doc = m_view.Doc();
    doc.SwapColorChanges();
    doc.SetModifiedFlag();
    doc.MarkShapesForRecolor(m_start, m_view.ShownCount());
    Redraw();
}

void CDepthUndoStep::Redraw()
{
    if (m_entire || m_start < m_view.UndoImageCount())
        m_view.RebuildUndoImage();
    m_view.RestoreTo(m_view.ShownCount());
}
