#pragma once
#include "core/colour/HsvColor.h"
#include "core/shapes/CPaletteLayout.h"
#include "core/shapes/CShapeTable.h"
#include "core/shapes/IColorsLink.h"
#include <functional>
#include <string>

class IHost;

// The behaviour of the Shapes window without its window: which cell holds which shape, picking
// the current shape, dragging one shape's colour onto another, auto-scroll while dragging, and
// the shape state files. The window feeds it client coordinates and paints what it asks for.
class CShapePalette {
public:
    CShapePalette(CShapeTable& shapes, IColorsLink& colors);

    CShapeTable& Shapes() { return m_shapes; }
    const CShapeTable& Shapes() const { return m_shapes; }
    IColorsLink& Colors() { return m_colors; }
    const CPaletteLayout& Layout() const { return m_layout; }
    CPaletteLayout& Layout() { return m_layout; }

    // Nothing is drawn and no menu is offered until every shape is prepared.
    bool ShapesReady() const;
    int ShownCount() const;
    // Position of a table index among the shown shapes, or -1 when it is not shown.
    int ShownNumberOf(int shape) const;
    // Cell centre of a shown shape in client pixels; false when hidden or scrolled above.
    bool CellCentre(int shape, int& x, int& y) const;

    void Resize(int width, int height);
    // Recomputes the rows after the shown set may have changed, keeping the client size.
    void Relayout() { Resize(m_layout.Width(), m_layout.Height()); }

    void HitSelect(int x, int y);
    bool ScrollToCurrentShape();

    // Pointer input in client coordinates.
    void LeftDown(int x, int y);
    void MouseMove(int x, int y);
    // The 200 ms timer while dragging; true when the palette scrolled.
    bool AutoScrollTick();
    void LeftUp(int x, int y);
    void RightDown(int x, int y);

    bool Dragging() const { return m_dragging; }
    bool ScrollingUp() const { return m_scrollUp; }
    bool ScrollingDown() const { return m_scrollDown; }
    int PreviousSelection() const { return m_prevSelection; }

    // Shape state files; loading scrolls to the current shape and repaints.
    bool SaveState(const std::string& path, IHost& host) const;
    bool LoadState(const std::string& path, IHost& host);

    // The window's repaint: selection-only moves just the two frames.
    std::function<void(bool selectionOnly)> m_requestPaint;
    void RequestFullPaint();
    void RequestSelectionPaint();

private:
    int LastShownShape() const;

    CShapeTable& m_shapes;
    IColorsLink& m_colors;
    CPaletteLayout m_layout;
    int m_prevSelection = 0;
    bool m_dragging = false;
    bool m_scrollUp = false;
    bool m_scrollDown = false;
};
