#include "core/view/undo/CPasteUndoStep.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/CGlobPaster.h"
#include "core/view/edit/GlobRuns.h"
#include <memory>
#include <new>

struct CPasteUndoStep::Memo : CUndoMemo {
    int start = 0;
    int count = 0;
    bool preserve = true;
    CColorTail colors;
    CSectionList::Copy sections;
    // What Undo took out: the clipboard may be refilled before the Redo.
    CGlobBuffer undone;
    size_t Bytes() const override
    {
        return colors.Bytes() + undone.m_globs.capacity() * sizeof(CGlob)
               + undone.m_colorChanges.capacity() * sizeof(CColorChange);
    }
    int Reach() const override { return start + count; }
};

bool CPasteUndoStep::Perform(bool preserveColors)
{
    return PasteRun(m_clipboard, preserveColors, nullptr);
}

bool CPasteUndoStep::PasteRun(const CGlobBuffer& run, bool preserveColors, Memo* redo)
{
    if (run.IsEmpty())
        return false;
    CDaubrixDoc& doc = m_view.Doc();
    CDaubrixApp& app = m_view.App();
    m_view.BeginInsert();
    const int p = m_view.ShownCount();

    CGlobPaster paster(app.Host(), app.AutoChange(), doc, m_view.ColorTicks(), m_view.Observer());
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
    std::unique_ptr<Memo> made;
    Memo& m = redo ? *redo : *(made = std::make_unique<Memo>());
    m.start = p;
    m.count = n;
    m.preserve = preserveColors;
    m.colors = doc.TakeColorTail();
    m.sections = doc.TakeSections();
    if (made)
        doc.Undo().Record(kUndoPaste, std::move(made));
    paster.ColourRun();
    GlobRuns::SectionsAfterPaste(doc, p, n);
    doc.TrimColorTail(m.colors);
    m_view.RestoreTo(p + n);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
    return true;
}

void CPasteUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* m = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!m)
        return;
    // Taken before the colour changes go back, so that the run keeps the colours it was shown in.
    if (!GlobRuns::CopyRange(doc, m->start, m->start + m->count, m_view.Center(), m->undone)) {
        m_view.App().Host().Message("Out of Memory", MsgIcon::Stop);
        doc.Undo().Flip();
        return;
    }
    doc.ExchangeColorTail(m->colors);
    doc.ExchangeSections(m->sections);
    doc.DeleteGlobs(m->start, m->start + m->count);
    m_view.RestoreTo(m->start);
    doc.SetModifiedFlag();
    m_view.NotifyHistoryChanged();
}

void CPasteUndoStep::Redo()
{
    CDaubrixDoc& doc = m_view.Doc();
    auto* m = dynamic_cast<Memo*>(doc.Undo().Memo());
    if (!m)
        return;
    m_view.RestoreTo(m->start);
    const CGlobBuffer run = std::move(m->undone);
    m->undone = {};
    if (doc.Undo().Levels() > 1) {
        // Steps done after the paste may keep colour changes of the globs beyond the run:
        // the undo is reversed exactly, the run in the colours it had.
        doc.InsertClipboardGlobs(run, m->start, false, run.m_refX, run.m_refY);
        doc.ExchangeColorTail(m->colors);
        doc.ExchangeSections(m->sections);
        m_view.RestoreTo(m->start + m->count);
        doc.SetModifiedFlag();
        m_view.NotifyHistoryChanged();
        return;
    }
    // One level: the run is pasted again, in the colours of the moment unless preserved.
    if (!PasteRun(run, m->preserve, m))
        doc.Undo().Forget();
}
