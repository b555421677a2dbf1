#include "core/view/undo/CClearUndoStep.h"
#include "core/view/CDaubrixView.h"
#include <memory>

struct CClearUndoStep::Memo : CUndoMemo {
    CColorTail colors;
    CSectionList::Hidden sections;
    int32_t shownBefore = 0;
    size_t Bytes() const override { return colors.Bytes(); }
    int Reach() const override { return shownBefore; }
};

void CClearUndoStep::Clear()
{
    CDaubrixDoc& doc = m_view.Doc();
    // Colours chosen while cleared are recorded at position 0; the drawing's own come back
    // with Undo.
    auto memo = std::make_unique<Memo>();
    memo->colors = doc.TakeColorTail();
    Memo& m = *memo;
    doc.Undo().Record(kUndoClear, std::move(memo));
    Hide(m);
}

void CClearUndoStep::Hide(Memo& memo)
{
    CDaubrixDoc& doc = m_view.Doc();
    memo.shownBefore = m_view.ShownCount();
    m_view.SetClearPending(true);
    // A save now writes the empty drawing.
    doc.SetModifiedFlag();
    memo.sections = doc.HideSections();
    m_view.RestoreTo(0);
    m_view.NotifyHistoryChanged();
}

void CClearUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* memo = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!memo)
        return;
    m_view.SetClearPending(false);
    // The drawing comes back, and with it what a save writes.
    doc.SetModifiedFlag();
    doc.ExchangeColorTail(memo->colors);
    doc.UnhideSections(memo->sections);
    m_view.RestoreTo(memo->shownBefore);
    m_view.NotifyHistoryChanged();
}

void CClearUndoStep::Redo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* memo = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!memo)
        return;
    doc.ExchangeColorTail(memo->colors);
    // The position and sections as the user left them after the undo, for the next undo.
    Hide(*memo);
}
