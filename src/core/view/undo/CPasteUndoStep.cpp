#include "core/view/undo/CPasteUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/CGlobPaster.h"
#include "core/view/edit/GlobRuns.h"
#include <new>

bool CPasteUndoStep::Perform(bool preserveColors)
{
    return PasteRun(m_clipboard, preserveColors);
}

bool CPasteUndoStep::PasteRun(const CGlobBuffer& run, bool preserveColors)
{
    if (run.IsEmpty())
        return false;
    CDaubrixDoc& doc = m_view.Doc();
    CDaubrixApp& app = m_view.App();
    m_view.BeginInsert();
    const int p = m_view.ShownCount();

    CGlobPaster paster(app, doc, m_view.ColorTicks(), m_view.Observer());
    try {
        if (!paster.InsertGlobs(GlobRuns::MovedTo(run, m_view.Center()), p, preserveColors))
            return false;
    } catch (const std::bad_alloc&) {
        app.Host().Message("Out of Memory", MsgIcon::Stop);
        return false;
    }
    const int n = paster.Count();
    if (n == 0)
        return false;
    m_start = p;
    m_count = n;
    m_preserve = preserveColors;
    doc.SaveColorChanges();
    doc.SaveSections();
    doc.Undo().Record(kUndoPaste);
    paster.ColourRun();
    GlobRuns::SectionsAfterPaste(doc, p, n);
    m_view.RestoreTo(p + n);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
    return true;
}

void CPasteUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    // Taken before the colour changes go back, so that the run keeps the colours it was shown in.
    if (!GlobRuns::CopyRange(doc, m_start, m_start + m_count, m_view.Center(), m_undone)) {
        m_view.App().Host().Message("Out of Memory", MsgIcon::Stop);
        doc.Undo().Flip();
        return;
    }
    doc.SwapColorChanges();
    doc.SwapSections();
    doc.DeleteGlobs(m_start, m_start + m_count);
    m_view.RestoreTo(m_start);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CPasteUndoStep::Redo()
{
    m_view.RestoreTo(m_start);
    const CGlobBuffer run = std::move(m_undone);
    m_undone = {};
    if (!PasteRun(run, m_preserve))
        m_view.Doc().Undo().Forget();
}
