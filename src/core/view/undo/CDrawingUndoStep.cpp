#include "core/view/undo/CDrawingUndoStep.h"
#include "core/model/CDaubrixDoc.h"
#include "core/view/IHistoryTarget.h"
#include <algorithm>

namespace {
struct Memo : CUndoMemo {
    // Where the stroke or import began, -1 when not known.
    int start = -1;
    int redoAt = 0;
    int Reach() const override { return redoAt; }
};
} // namespace

std::unique_ptr<CUndoMemo> CDrawingUndoStep::Begun(int start)
{
    auto memo = std::make_unique<Memo>();
    memo->start = start;
    memo->redoAt = start;
    return memo;
}

void CDrawingUndoStep::Undo()
{
    CUndoState& undo = m_view.Doc().Undo();
    auto* memo = dynamic_cast<Memo*>(undo.Memo());
    if (!memo) {
        undo.SetMemo(Begun(-1));
        memo = static_cast<Memo*>(undo.Memo());
    }
    const int p = m_view.ShownCount();
    memo->redoAt = p;
    int to = m_view.Doc().SectionStartFor(p);
    // With several levels a step goes back no further than its own start, so that a click
    // which placed nothing does not hide the step before it.
    if (undo.Levels() > 1 && memo->start >= 0)
        to = std::max(to, std::min(memo->start, p));
    m_view.RestoreTo(to);
    m_view.NotifyHistoryChanged();
}

void CDrawingUndoStep::Redo()
{
    const auto* memo = dynamic_cast<const Memo*>(m_view.Doc().Undo().Memo());
    m_view.RestoreTo(memo ? memo->redoAt : 0);
    m_view.NotifyHistoryChanged();
}
