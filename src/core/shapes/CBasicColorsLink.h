#pragma once
#include "IColorsLink.h"
#include <functional>
#include <vector>

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
    static constexpr int kCapacity = 20;

    explicit CBasicColorsLink(CShapeTable& shapes);

    HsvColor CurrentColor() const override { return m_current; }
    void SetCurrentColor(HsvColor c) override { m_current = c; }
    void AddCurrentToHistory() override;
    void ApplyCurrentColor() override;
    int HistoryCount() const override { return static_cast<int>(m_history.size()); }
    HsvColor HistoryEntry(int i) const override { return m_history[static_cast<size_t>(i)]; }
    void SelectHistoryEntry(int i) override;
    int SelectedEntry() const { return m_selected; }

    // The view colour changes go to; null when no drawing is open.
    std::function<CDaubrixView*()> m_activeView;
    // Repaints the palette after a shape took a new colour.
    std::function<void()> m_shapeRecolored;

private:
    CShapeTable& m_shapes;
    HsvColor m_current;
    std::vector<HsvColor> m_history;
    int m_selected = 0;
};
