#pragma once
#include "core/model/UndoKind.h"

class CDaubrixApp;
class CDaubrixView;

// The view's history position and the document's one-level undo: Undo/Redo, the Edit menu
// state, and discarding the globs hidden behind the position when a new stroke starts.
class CViewHistory {
public:
    CViewHistory(CDaubrixApp& app, CDaubrixView& view) : m_app(app), m_view(view) {}

    // The Undo/Redo command: acts on the document's undo kind and turns undo into redo and back.
    void Undo();
    UndoMenuState MenuState() const;
    // Deletes for good the globs beyond the history position and cuts the sections back.
    void TruncateHidden();
    // A move of the history position by the user forgets an undo or redo of drawing.
    void ForgetDrawingUndo();

private:
    void RedrawAtPosition();
    void NotifySlider();

    CDaubrixApp& m_app;
    CDaubrixView& m_view;
};
