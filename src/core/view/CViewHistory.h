#pragma once
#include "core/model/UndoKind.h"
#include "core/view/undo/IUndoStep.h"
#include <array>
#include <memory>

class CShapeTable;
class IHistoryTarget;
class IHost;

// The view's history position and the document's undo: Undo, Redo and the Edit menu states
// dispatch to one step per undo kind; discarding the globs hidden behind the position when a
// new stroke starts.
class CViewHistory {
public:
    // The shapes give the colour in force after hidden globs are deleted.
    CViewHistory(IHost& host, const CShapeTable& shapes, IHistoryTarget& view) : m_host(host), m_shapes(shapes), m_view(view) {}

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

    IHost& m_host;
    const CShapeTable& m_shapes;
    IHistoryTarget& m_view;
    std::array<std::unique_ptr<IUndoStep>, kUndoActionCount + 1> m_steps;
};
