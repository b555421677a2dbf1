#include "core/view/undo/CCutUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/GlobRuns.h"

void CCutUndoStep::Perform(int s, int e, bool entire)
{
    CDaubrixDoc& doc = m_view.Doc();
    m_start = s;
    m_count = e - s;
    m_entire = entire;
    m_shownBefore = m_view.ShownCount();
    m_undoImageBefore = m_view.UndoImageCount();
    doc.SaveColorChanges();
    doc.SaveSections();
    doc.Undo().Record(kUndoCut);

    // The globs after the run keep the colour they had.
    const CShape& cur = m_view.App().CurrentShape();
    GlobRuns::KeepColourAt(doc, e, cur.Color());
    doc.RemoveColorChanges(s, e - 1, true);
    doc.DeleteGlobs(s, e);
    doc.MoveColorChanges(s, e);
    GlobRuns::SectionsAfterCut(doc, s, e, entire);

    // An undo image that held cut globs would bring them back at the next redraw from it.
    if (m_undoImageBefore > s) {
        m_view.SetUndoImageCount(m_undoImageBefore >= e ? m_undoImageBefore - m_count : s);
        m_view.RebuildUndoImage();
    }
    m_view.RestoreTo(s);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CCutUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    // Refilling the clipboard forgets this step; a clipboard of another length cannot be ours.
    const CGlobBuffer& cut = m_clipboard.m_clipboard;
    if (static_cast<int>(cut.m_globs.size()) != m_count)
        return;
    doc.SwapColorChanges();
    doc.SwapSections();
    // The colour changes came back whole with the swap: the globs go in without new ones.
    doc.InsertClipboardGlobs(cut, m_start, false, cut.m_refX, cut.m_refY);
    if (m_view.UndoImageCount() != m_undoImageBefore) {
        m_view.SetUndoImageCount(m_undoImageBefore);
        m_view.RebuildUndoImage();
    }
    m_view.RestoreTo(m_shownBefore);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CCutUndoStep::Redo()
{
    // The clipboard may have been refilled since the undo: the run goes on it again, as a cut
    // puts it there, so that the next Undo Cut brings back these very globs.
    const int e = m_start + m_count;
    if (!GlobRuns::CopyRange(m_view.Doc(), m_start, e, m_view.Center(), m_clipboard.m_clipboard)) {
        m_view.App().Host().Message("Out of Memory", MsgIcon::Stop);
        m_view.Doc().Undo().Flip();
        return;
    }
    m_clipboard.ForgetClipboardSteps();
    m_view.RestoreTo(e);
    Perform(m_start, e, m_entire);
}
