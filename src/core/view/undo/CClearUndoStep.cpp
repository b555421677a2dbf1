#include "core/view/undo/CClearUndoStep.h"
#include "core/view/CDaubrixView.h"

void CClearUndoStep::Clear()
{
    CDaubrixDoc& doc = m_view.Doc();
    doc.Undo().Record(kUndoClear);
    // Colours chosen while cleared are recorded at position 0; the drawing's own come back
    // with Undo.
    doc.SaveColorChanges();
    Hide();
}

void CClearUndoStep::Hide()
{
    CDaubrixDoc& doc = m_view.Doc();
    m_undoShownCount = m_view.ShownCount();
    m_view.SetClearPending(true);
    // A save now writes the empty drawing.
    doc.SetModifiedFlag();
    m_hiddenSections = doc.HideSections();
    m_view.RestoreTo(0);
    m_view.NotifyHistoryChanged();
}

void CClearUndoStep::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    m_view.SetClearPending(false);
    // The drawing comes back, and with it what a save writes.
    doc.SetModifiedFlag();
    doc.SwapColorChanges();
    doc.UnhideSections(m_hiddenSections);
    m_view.RestoreTo(m_undoShownCount);
    m_view.NotifyHistoryChanged();
}

void CClearUndoStep::Redo()
{
    m_view.Doc().SwapColorChanges();
    // The position and sections as the user left them after the undo, for the next undo.
    Hide();
}
