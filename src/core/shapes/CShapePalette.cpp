#include "core/shapes/CShapePalette.h"
#include "core/shapes/ShapeStateFile.h"
#include <algorithm>

CShapePalette::CShapePalette(CShapeTable& shapes, IColorsLink& colors) : m_shapes(shapes), m_colors(colors) {}

bool CShapePalette::ShapesReady() const
{
    if (m_shapes.Count() == 0)
        return false;
    for (int i = 0; i < m_shapes.Count(); ++i)
        if (!m_shapes.m_shapes[static_cast<size_t>(i)] || !m_shapes.Shape(i).IsPrepared())
            return false;
    return true;
}

int CShapePalette::ShownCount() const
{
    int n = 0;
    for (int i = 0; i < m_shapes.Count(); ++i)
        if (m_shapes.Shape(i).m_shown)
            ++n;
    return n;
}

int CShapePalette::ShownNumberOf(int shape) const
{
    if (shape < 0 || shape >= m_shapes.Count() || !m_shapes.Shape(shape).m_shown)
        return -1;
    int k = 0;
    for (int i = 0; i < shape; ++i)
        if (m_shapes.Shape(i).m_shown)
            ++k;
    return k;
}

bool CShapePalette::CellCentre(int shape, int& x, int& y) const
{
    const int k = ShownNumberOf(shape);
    if (k < 0 || m_layout.RowOfShown(k) < m_layout.ScrollRow())
        return false;
    x = m_layout.CentreX(k);
    y = m_layout.CentreY(k);
    return true;
}

void CShapePalette::Resize(int width, int height)
{
    m_layout.Resize(width, height, ShownCount());
}

int CShapePalette::LastShownShape() const
{
    for (int i = m_shapes.Count() - 1; i >= 0; --i)
        if (m_shapes.Shape(i).m_shown)
            return i;
    return -1;
}

void CShapePalette::HitSelect(int x, int y)
{
    if (m_shapes.Count() == 0)
        return;
    m_shapes.Current().m_recolorPending = 1;
    const int n = std::min(m_layout.ShownIndexAt(x, y), m_shapes.Count() - 1);
    if (m_shapes.NthShownShape(n) >= m_shapes.Count()) {
        // Past the last shown shape: the last one shown is picked.
        int last = m_shapes.Count() - 1;
        if (!m_shapes.Shape(last).m_shown)
            last = LastShownShape();
        if (last >= 0)
            m_shapes.m_currentShape = static_cast<uint8_t>(last);
    }
    CShape& current = m_shapes.Current();
    current.m_recolorPending = 1;
    m_colors.SetCurrentColor(current.Color());
}

bool CShapePalette::ScrollToCurrentShape()
{
    const int k = ShownNumberOf(m_shapes.m_currentShape);
    if (k < 0)
        return false;
    const int row = m_layout.RowOfShown(k);
    // Above the first row shown, or more than the visible rows below it.
    if (row >= m_layout.ScrollRow() && row - m_layout.ScrollRow() <= m_layout.VisibleRows())
        return false;
    return m_layout.ScrollToRow(row);
}

void CShapePalette::LeftDown(int x, int y)
{
    m_prevSelection = m_shapes.m_currentShape;
    HitSelect(x, y);
    m_dragging = true;
    m_scrollUp = m_scrollDown = false;
    // Show the pick at once; the release decides whether it was a drag.
    RequestSelectionPaint();
}

void CShapePalette::MouseMove(int x, int y)
{
    (void)x;
    if (!m_dragging)
        return;
    m_scrollUp = y <= 0;
    m_scrollDown = !m_scrollUp && y >= m_layout.Height() - 1;
}

bool CShapePalette::AutoScrollTick()
{
    bool moved = false;
    if (m_scrollUp)
        moved = m_layout.LineUp();
    else if (m_scrollDown)
        moved = m_layout.LineDown();
    if (moved)
        RequestFullPaint();
    return moved;
}

void CShapePalette::LeftUp(int x, int y)
{
    if (!m_dragging)
        return;
    const int a = m_shapes.m_currentShape;
    const CShape& from = m_shapes.Shape(a);
    const HsvColor colour = from.Color();
    HitSelect(x, y);
    const int b = m_shapes.m_currentShape;
    if (b == a) {
        RequestSelectionPaint();
    } else {
        CShape& to = m_shapes.Shape(b);
        to.m_hue = colour.m_hue;
        to.m_saturation = colour.m_saturation;
        to.m_value = colour.m_value;
        m_colors.SetCurrentColor(colour);
        m_colors.ApplyCurrentColor();
        RequestFullPaint();
    }
    m_colors.AddCurrentToHistory();
    m_dragging = m_scrollUp = m_scrollDown = false;
}

void CShapePalette::RightDown(int x, int y)
{
    m_prevSelection = m_shapes.m_currentShape;
    HitSelect(x, y);
    m_colors.AddCurrentToHistory();
    RequestSelectionPaint();
}

bool CShapePalette::SaveState(const std::string& path, IHost& host) const
{
    if (!SaveShapeState(path, m_shapes)) {
        host.Message("Error writing file", MsgIcon::None);
        return false;
    }
    return true;
}

bool CShapePalette::LoadState(const std::string& path, IHost& host)
{
    const FileResult loaded = LoadShapeState(path, m_shapes);
    // A file that cannot be read is passed over quietly.
    if (loaded.Has(FileReason::NotThisKind))
        host.Message("Not a valid Shape State file!", MsgIcon::None);
    if (!loaded)
        return false;
    Relayout();
    ScrollToCurrentShape();
    RequestFullPaint();
    return true;
}

void CShapePalette::RequestFullPaint()
{
    if (m_requestPaint)
        m_requestPaint(false);
}

void CShapePalette::RequestSelectionPaint()
{
    if (m_requestPaint)
        m_requestPaint(true);
}
