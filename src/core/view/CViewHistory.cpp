#include "core/view/CViewHistory.h"
#include "core/model/CDaubrixDoc.h"
#include "core/base/IHost.h"
#include "core/shapes/CShapeTable.h"
#include "core/view/IHistoryTarget.h"

void CViewHistory::Register(std::unique_ptr<IUndoStep> step)
{
    const int kind = step->Kind();
    if (kind > kUndoNone && kind < static_cast<int>(m_steps.size()))
        m_steps[static_cast<size_t>(kind)] = std::move(step);
}

IUndoStep* CViewHistory::StepFor(UndoKind action) const
{
    if (action <= kUndoNone || action >= static_cast<int>(m_steps.size()))
        return nullptr;
    return m_steps[static_cast<size_t>(action)].get();
}

UndoMenuState CViewHistory::MenuState() const
{
    const CUndoState& undo = m_view.Doc().Undo();
    UndoMenuState state = undo.Menu();
    if (const IUndoStep* step = StepFor(undo.Action()))
        state = step->Menu(undo.IsRedo());
    if (m_view.ButtonHeld())
        state.enabled = false;
    return state;
}

UndoMenuState CViewHistory::RedoMenuState() const
{
    UndoMenuState state = m_view.Doc().Undo().RedoMenu();
    if (m_view.ButtonHeld())
        state.enabled = false;
    return state;
}

void CViewHistory::Undo()
{
    CUndoState& undo = m_view.Doc().Undo();
    if (!StepFor(undo.Action()) || m_view.ButtonHeld())
        return;
    const bool redo = undo.IsRedo();
    Carry(undo.StartUndo(), redo);
}

void CViewHistory::Redo()
{
    CUndoState& undo = m_view.Doc().Undo();
    if (!StepFor(undo.RedoAction()) || m_view.ButtonHeld())
        return;
    Carry(undo.StartRedo(), true);
}

void CViewHistory::Carry(UndoKind action, bool redo)
{
    IUndoStep* step = StepFor(action);
    if (!step)
        return;
    CUndoState& undo = m_view.Doc().Undo();
    undo.SetBusy(true);
    if (redo)
        step->Redo();
    else
        step->Undo();
    undo.SetBusy(false);
}

void CViewHistory::ForgetDrawingUndo()
{
    m_view.Doc().Undo().ForgetAction(kUndoDrawing);
}

void CViewHistory::TruncateHidden()
{
    CDaubrixDoc& doc = m_view.Doc();
    const int shown = m_view.ShownCount();
    if (shown >= doc.GetGlobCount())
        return;
    IHost& host = m_host;
    host.BeginWaitCursor();
    // Steps kept below that rely on what goes now cannot be undone any longer.
    doc.Undo().ForgetReaching(shown);
    doc.TruncateAt(shown);
    const CShape& s = m_shapes.Current();
    doc.SetColorChange(-1, s.m_hue, s.m_saturation, s.m_value);
    doc.TruncateSectionsAt(shown);
    m_view.NotifyHistoryChanged();
    host.EndWaitCursor();
}
