#pragma once
#include "core/model/UndoKind.h"
#include "core/view/undo/IUndoStep.h"
#include <array>
#include <memory>

class CDaubrixApp;
class IHistoryTarget;

// The view's history position and the document's undo: Undo, Redo and the Edit menu states
// dispatch to one step per undo kind; discarding the globs hidden behind the position when a
// new stroke starts.
class CViewHistory {
public:
    CViewHistory(CDaubrixApp& app, IHistoryTarget& view) : m_app(app), m_view(view) {}

    // The steps of the actions that can be undone. Drawing and Move Center are registered by
    // the view; Simulate Depth, Clear, Cut and Paste register theirs here with their features.
    void Register(std::unique_ptr<IUndoStep> step);

    // The Undo command: undoes the last step (with one level, redoes it once undone).
    void Undo();
    UndoMenuState MenuState() const;
    // The Redo command: redoes the step undone last.
    void Redo();
    UndoMenuState RedoMenuState() const;
    // Deletes for good the globs beyond the history position and cuts the sections back.
    void TruncateHidden();
    // A move of the history position by the user forgets an undo or redo of drawing.
    void ForgetDrawingUndo();

private:
    IUndoStep* StepFor(UndoKind action) const;
    void Carry(UndoKind action, bool redo);

    CDaubrixApp& m_app;
    IHistoryTarget& m_view;
    std::array<std::unique_ptr<IUndoStep>, kUndoActionCount + 1> m_steps;
};
