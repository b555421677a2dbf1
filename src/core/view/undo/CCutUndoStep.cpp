#include "core/view/undo/CCutUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/GlobRuns.h"
#include <memory>

struct CCutUndoStep::Memo : CUndoMemo {
    CGlobBuffer run;
    CColorTail colors;
    CSectionList::Copy sections;
    int start = 0;
    int count = 0;
    bool entire = false;
    int shownBefore = 0;
    int undoImageBefore = 0;
    size_t Bytes() const override { return run.m_globs.capacity() * sizeof(CGlob) + colors.Bytes(); }
    int Reach() const override { return start; }
};

void CCutUndoStep::Perform(int s, int e, bool entire)
{
    auto memo = std::make_unique<Memo>();
    memo->start = s;
    memo->count = e - s;
    memo->entire = entire;
    Memo& m = *memo;
    m_view.Doc().Undo().Record(kUndoCut, std::move(memo));
    TakeOut(m, false);
}

void CCutUndoStep::TakeOut(Memo& m, bool exchange)
{
    CDaubrixDoc& doc = m_view.Doc();
    const int s = m.start, e = m.start + m.count;
    if (!exchange)
        m.shownBefore = m_view.ShownCount();
    m.undoImageBefore = m_view.UndoImageCount();
    m.run = {};
    m.run.m_globs.assign(doc.Globs().begin() + s, doc.Globs().begin() + e);
    if (exchange) {
        // The colour changes and sections the undo put back are exchanged again, with
        // whatever later steps keep beyond the run.
        doc.DeleteGlobs(s, e);
        doc.ExchangeColorTail(m.colors);
        doc.ExchangeSections(m.sections);
    } else {
        m.colors = doc.TakeColorTail();
        m.sections = doc.TakeSections();
        // The globs after the run keep the colour they had.
        const CShape& cur = m_view.App().CurrentShape();
        GlobRuns::KeepColourAt(doc, e, cur.Color());
        doc.RemoveColorChanges(s, e - 1, true);
        doc.DeleteGlobs(s, e);
        doc.MoveColorChanges(s, e);
        GlobRuns::SectionsAfterCut(doc, s, e, m.entire);
        doc.TrimColorTail(m.colors);
    }

    // An undo image that held cut globs would bring them back at the next redraw from it.
    if (m.undoImageBefore > s) {
        m_view.SetUndoImageCount(m.undoImageBefore >= e ? m.undoImageBefore - m.count : s);
        m_view.RebuildUndoImage();
    }
    m_view.RestoreTo(s);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CCutUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* m = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!m)
        return;
    doc.ExchangeColorTail(m->colors);
    doc.ExchangeSections(m->sections);
    // The colour changes came back whole with the exchange: the globs go in without new ones.
    doc.InsertClipboardGlobs(m->run, m->start, false, 0, 0);
    m->run = {};
    if (m_view.UndoImageCount() != m->undoImageBefore) {
        m_view.SetUndoImageCount(m->undoImageBefore);
        m_view.RebuildUndoImage();
    }
    m_view.RestoreTo(m->shownBefore);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CCutUndoStep::Redo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* m = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!m)
        return;
    const int e = m->start + m->count;
    if (e > doc.GetGlobCount()) {
        doc.Undo().Forget();
        return;
    }
    // With several levels the redo reverses the undo exactly and leaves the clipboard alone:
    // refilling it would forget the steps waiting beyond this one.
    const bool exact = doc.Undo().Levels() > 1;
    if (!exact) {
        // The run goes on the clipboard again, as a cut puts it there.
        if (!GlobRuns::CopyRange(doc, m->start, e, m_view.Center(), m_clipboard.m_clipboard)) {
            m_view.App().Host().Message("Out of Memory", MsgIcon::Stop);
            doc.Undo().Flip();
            return;
        }
        m_clipboard.ForgetClipboardSteps();
    }
    m_view.RestoreTo(e);
    // One level: the cut is made again. With more, steps done after it may keep colour
    // changes of the globs beyond the run.
    TakeOut(*m, exact);
}
