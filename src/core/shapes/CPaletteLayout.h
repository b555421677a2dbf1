#pragma once

// Cell arithmetic of the shape palette: shown shapes sit in 34-pixel cells, row by row, and
// whole rows scroll.
class CPaletteLayout {
public:
    static constexpr int kCellSize = 34;
    static constexpr int kHalfCell = kCellSize / 2;
    // The window cannot shrink below one cell plus its frame.
    static constexpr int kMinWidth = kCellSize + 30;
    static constexpr int kMinHeight = kCellSize + 24;

    // Cells in one row of a client area this wide; the first cell is always placed.
    static int CellsPerRow(int width);
    static int RowsFor(int shownCount, int width);

    // Recomputes columns and rows for a client area and the number of shown shapes.
    void Resize(int width, int height, int shownCount);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Columns() const { return m_columns; }
    int VisibleRows() const { return m_visibleRows; }
    int RowCount() const { return m_rowCount; }
    int ScrollRow() const { return m_scrollRow; }

    // The scroll bar is needed when the rows do not fit; then its extent and page are these.
    bool NeedsScrollBar() const { return m_height < kCellSize * m_rowCount; }
    int ScrollExtent() const { return kCellSize * m_rowCount; }
    int ScrollPage() const { return kCellSize * m_visibleRows; }
    int ScrollPosition() const { return kCellSize * m_scrollRow; }
    // The highest first row a scroll can reach.
    int MaxScrollRow() const;

    // Scroll actions; each returns true when the first shown row moved.
    bool LineUp();
    bool LineDown();
    bool PageUp();
    bool PageDown();
    bool ThumbReleased(int position);
    bool ScrollToRow(int row);

    // Row and column of the k-th shown shape, and its cell centre in client pixels.
    int RowOfShown(int k) const { return k / m_columns; }
    int ColumnOfShown(int k) const { return k % m_columns; }
    int CentreX(int k) const { return ColumnOfShown(k) * kCellSize + kHalfCell; }
    int CentreY(int k) const { return (RowOfShown(k) - m_scrollRow) * kCellSize + kHalfCell; }
    // A row is drawn unless its centre lies more than half a cell below the client bottom.
    bool RowReachesClient(int row) const;

    // Which shown-shape number a client point picks (may be past the last shown shape).
    int ShownIndexAt(int x, int y) const;

private:
    bool SetScrollRow(int row);

    int m_width = 0;
    int m_height = 0;
    int m_columns = 1;
    int m_visibleRows = 0;
    int m_rowCount = 0;
    int m_scrollRow = 0;
};
