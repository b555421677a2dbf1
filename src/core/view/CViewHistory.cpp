#include "core/view/CViewHistory.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include <utility>

UndoMenuState CViewHistory::MenuState() const
{
    return UndoMenuFor(m_view.Doc().m_undoKind);
}

void CViewHistory::NotifySlider()
{
    if (m_view.m_historyListener)
        m_view.m_historyListener();
}

void CViewHistory::RedrawAtPosition()
{
    // The undo image only helps when the position is at or beyond what it holds; below it a
    // redraw from it would show the bare background, so replay from the start instead.
    if (m_view.m_shownCount >= m_view.m_undoImageCount)
        m_view.RedrawFromUndoImage();
    else
        m_view.Regenerate();
}

void CViewHistory::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    switch (doc.m_undoKind) {
    case kUndoDrawing: {
        doc.m_undoKind = kRedoDrawing;
        const int p = m_view.m_shownCount;
        m_view.m_undoShownCount = p;
        m_view.m_shownCount = doc.SectionStartFor(p);
        NotifySlider();
        RedrawAtPosition();
        break;
    }
    case kRedoDrawing:
        doc.m_undoKind = kUndoDrawing;
        m_view.m_shownCount = m_view.m_undoShownCount;
        NotifySlider();
        RedrawAtPosition();
        break;
    case kUndoMoveCenter:
    case kRedoMoveCenter:
        doc.m_undoKind = doc.m_undoKind == kUndoMoveCenter ? kRedoMoveCenter : kUndoMoveCenter;
        std::swap(m_view.m_center, m_view.m_oldCenter);
        if (m_view.Window())
            m_view.Window()->DrawRubberBand();
        break;
    default:
        // The other kinds are undone by the actions that set them.
        break;
    }
}

void CViewHistory::ForgetDrawingUndo()
{
    CDaubrixDoc& doc = m_view.Doc();
    if (doc.m_undoKind == kUndoDrawing || doc.m_undoKind == kRedoDrawing)
        doc.m_undoKind = kUndoNone;
}

void CViewHistory::TruncateHidden()
{
    CDaubrixDoc& doc = m_view.Doc();
    const int shown = m_view.m_shownCount;
    if (shown >= doc.GetGlobCount())
        return;
    IHost& host = m_app.Host();
    host.BeginWaitCursor();
    doc.TruncateAt(shown);
    const CShape& s = m_app.CurrentShape();
    doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    for (int i = 0; i < doc.m_sectionCount && i < CDaubrixDoc::kMaxSections; ++i) {
        if (doc.m_sections[static_cast<size_t>(i)] > shown) {
            doc.m_sections[static_cast<size_t>(i)] = shown;
            // A boundary already standing at the position is not doubled.
            const bool doubled = i > 0 && doc.m_sections[static_cast<size_t>(i - 1)] == shown;
            doc.m_sectionCount = doubled ? i : i + 1;
            break;
        }
    }
    NotifySlider();
    host.EndWaitCursor();
}
