#pragma once
#include "core/colour/CColorHistory.h"
#include "core/shapes/IColorsLink.h"
#include <functional>

class CShapeTable;
class CDaubrixView;

// Gives c to the current shape, records it as a colour change at the history position of the
// view's drawing (when there is a view), rebuilds the view's undo image when hidden globs
// follow that position, and recolours the shape.
void ApplyColorToCurrentShape(CShapeTable& shapes, CDaubrixView* view, HsvColor c);

// A stand-in for the Colors window: a current colour and a 20-entry history, applying through
// the active drawing view. Used where the palette runs without the Colors window attached.
class CBasicColorsLink : public IColorsLink {
public:
    explicit CBasicColorsLink(CShapeTable& shapes);

    HsvColor CurrentColor() const override { return m_current; }
    void SetCurrentColor(HsvColor c) override { m_current = c; }
    void AddCurrentToHistory() override { m_history.Add(m_current); }
    void ApplyCurrentColor() override;
    int HistoryCount() const override { return m_history.Count(); }
    HsvColor HistoryEntry(int i) const override { return m_history.Entry(i); }
    void SelectHistoryEntry(int i) override { m_history.Select(i); }
    int SelectedEntry() const { return m_history.Selected(); }

    // The view colour changes go to; null when no drawing is open.
    std::function<CDaubrixView*()> m_activeView;
    // Repaints the palette after a shape took a new colour.
    std::function<void()> m_shapeRecolored;

private:
    CShapeTable& m_shapes;
    HsvColor m_current;
    CColorHistory m_history{m_current};
};
