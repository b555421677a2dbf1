#include "core/view/undo/CDepthUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <memory>

namespace {
struct Memo : CUndoMemo {
    CColorTail colors;
    bool entire = false;
    int start = 0;
    int end = 0;
    size_t Bytes() const override { return colors.Bytes(); }
    int Reach() const override { return end; }
};
} // namespace

bool CDepthUndoStep::Perform(const DepthChoice& choice)
{
    CDaubrixDoc& doc = m_view.Doc();
    const int shown = m_view.ShownCount();
    const int start = CDepthRecolorer::RangeStart(doc, choice.entire, shown);
    if (shown - start <= 0)
        return false;
    IHost& host = m_view.App().Host();
    host.BeginWaitCursor();
    auto memo = std::make_unique<Memo>();
    memo->colors = doc.TakeColorTail();
    memo->entire = choice.entire;
    memo->start = start;
    memo->end = shown;
    const CShape& s = m_view.App().CurrentShape();
    CDepthRecolorer(doc, s.Color()).Apply(choice, start, shown);
    doc.TrimColorTail(memo->colors);
    doc.Undo().Record(kUndoDepth, std::move(memo));
    doc.SetModifiedFlag();
    host.EndWaitCursor();
    Redraw(choice.entire, start);
    return true;
}

void CDepthUndoStep::Exchange()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* memo = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!memo)
        return;
    doc.ExchangeColorTail(memo->colors);
    doc.SetModifiedFlag();
    doc.MarkShapesForRecolor(memo->start, m_view.ShownCount());
    Redraw(memo->entire, memo->start);
}

void CDepthUndoStep::Redraw(bool entire, int start)
{
    if (entire || start < m_view.UndoImageCount())
        m_view.RebuildUndoImage();
    m_view.RestoreTo(m_view.ShownCount());
}
