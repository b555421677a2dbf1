#include "core/view/CViewHistory.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/IHistoryTarget.h"

namespace {
constexpr int kRedoOffset = kRedoDrawing - kUndoDrawing;
}

void CViewHistory::Register(std::unique_ptr<IUndoStep> step)
{
    const int kind = step->Kind();
    if (kind > kUndoNone && kind < static_cast<int>(m_steps.size()))
        m_steps[static_cast<size_t>(kind)] = std::move(step);
}

IUndoStep* CViewHistory::StepFor(int kind) const
{
    if (kind > kRedoOffset)
        kind -= kRedoOffset;
    if (kind <= kUndoNone || kind >= static_cast<int>(m_steps.size()))
        return nullptr;
    return m_steps[static_cast<size_t>(kind)].get();
}

UndoMenuState CViewHistory::MenuState() const
{
    const int kind = m_view.Doc().m_undoKind;
    UndoMenuState state = UndoMenuFor(kind);
    if (const IUndoStep* step = StepFor(kind))
        state = step->Menu(kind > kRedoOffset);
    if (m_view.ButtonHeld())
        state.enabled = false;
    return state;
}

void CViewHistory::Undo()
{
    CDaubrixDoc& doc = m_view.Doc();
    const int kind = doc.m_undoKind;
    IUndoStep* step = StepFor(kind);
    if (!step || m_view.ButtonHeld())
        return;
    const bool redo = kind > kRedoOffset;
    doc.m_undoKind = static_cast<uint8_t>(redo ? kind - kRedoOffset : kind + kRedoOffset);
    if (redo)
        step->Redo();
    else
        step->Undo();
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
    const int shown = m_view.ShownCount();
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
    m_view.NotifyHistoryChanged();
    host.EndWaitCursor();
}
