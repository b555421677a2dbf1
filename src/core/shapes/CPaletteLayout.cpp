#include "core/shapes/CPaletteLayout.h"
#include <algorithm>

int CPaletteLayout::CellsPerRow(int width)
{
    // A next cell starts a new row when its right edge would pass the client width.
    return std::max(1, width / kCellSize);
}

int CPaletteLayout::RowsFor(int shownCount, int width)
{
    if (shownCount <= 0)
        return 0;
    const int perRow = CellsPerRow(width);
    return (shownCount + perRow - 1) / perRow;
}

void CPaletteLayout::Resize(int width, int height, int shownCount)
{
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_columns = CellsPerRow(m_width);
    m_visibleRows = m_height / kCellSize;
    m_rowCount = RowsFor(shownCount, m_width);
    if (!NeedsScrollBar())
        m_scrollRow = 0;
    else
        // A taller window must not leave the first row beyond what a scroll could reach.
        m_scrollRow = std::min(m_scrollRow, MaxScrollRow());
}

int CPaletteLayout::MaxScrollRow() const
{
    return std::max(0, m_rowCount - m_visibleRows);
}

bool CPaletteLayout::SetScrollRow(int row)
{
    row = std::clamp(row, 0, MaxScrollRow());
    if (row == m_scrollRow)
        return false;
    m_scrollRow = row;
    return true;
}

bool CPaletteLayout::LineUp()
{
    return m_scrollRow > 0 && SetScrollRow(m_scrollRow - 1);
}

bool CPaletteLayout::LineDown()
{
    return m_visibleRows + m_scrollRow < m_rowCount && SetScrollRow(m_scrollRow + 1);
}

bool CPaletteLayout::PageUp()
{
    return SetScrollRow(m_scrollRow - m_visibleRows);
}

bool CPaletteLayout::PageDown()
{
    return SetScrollRow(m_scrollRow + m_visibleRows);
}

bool CPaletteLayout::ThumbReleased(int position)
{
    return SetScrollRow(std::max(0, position) / kCellSize);
}

bool CPaletteLayout::ScrollToRow(int row)
{
    // Clamped to the last page so the scroll bar can always show where the palette stands.
    return SetScrollRow(row);
}

bool CPaletteLayout::RowReachesClient(int row) const
{
    const int centre = (row - m_scrollRow) * kCellSize + kHalfCell;
    return centre <= m_height + kHalfCell;
}

int CPaletteLayout::ShownIndexAt(int x, int y) const
{
    const int col = std::clamp(x / kCellSize, 0, m_columns - 1);
    const int row = std::max(y / kCellSize, 0) + m_scrollRow;
    return col + m_columns * row;
}
