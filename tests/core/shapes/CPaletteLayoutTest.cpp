#include "core/shapes/CPaletteLayout.h"
#include <gtest/gtest.h>

TEST(CPaletteLayout, ElevenShapesAtWidth170GiveThreeRowsAndScrollIntoView)
{
    CPaletteLayout l;
    l.Resize(170, 68, 11);
    EXPECT_EQ(l.Columns(), 5);
    EXPECT_EQ(l.RowCount(), 3);
    EXPECT_EQ(l.VisibleRows(), 2);
    ASSERT_TRUE(l.NeedsScrollBar());
    EXPECT_EQ(l.ScrollExtent(), 102);
    EXPECT_EQ(l.ScrollPage(), 68);
    // The lone shape of the third row.
    EXPECT_EQ(l.RowOfShown(10), 2);
    EXPECT_EQ(l.CentreX(10), 17);
    EXPECT_TRUE(l.LineDown());
    EXPECT_FALSE(l.LineDown());
    EXPECT_EQ(l.ScrollRow(), 1);
    EXPECT_EQ(l.ScrollPosition(), 34);
    EXPECT_EQ(l.CentreY(10), 51);
    EXPECT_TRUE(l.LineUp());
    EXPECT_FALSE(l.LineUp());
}

TEST(CPaletteLayout, RowsFollowTheRightEdgeRule)
{
    // 169 pixels hold only four cells: the fifth would end at 170.
    EXPECT_EQ(CPaletteLayout::CellsPerRow(169), 4);
    EXPECT_EQ(CPaletteLayout::CellsPerRow(170), 5);
    EXPECT_EQ(CPaletteLayout::RowsFor(11, 169), 3);
    EXPECT_EQ(CPaletteLayout::RowsFor(12, 169), 3);
    EXPECT_EQ(CPaletteLayout::RowsFor(13, 169), 4);
    // A partly filled last row counts, and a too-narrow client still places one per row.
    EXPECT_EQ(CPaletteLayout::RowsFor(1, 170), 1);
    EXPECT_EQ(CPaletteLayout::RowsFor(3, 20), 3);
    EXPECT_EQ(CPaletteLayout::RowsFor(0, 170), 0);
}

TEST(CPaletteLayout, GrowingTheWindowRemovesTheScrollBarAndResetsTheRow)
{
    CPaletteLayout l;
    l.Resize(68, 68, 10);   // 5 rows, 2 visible
    l.PageDown();
    l.PageDown();
    EXPECT_EQ(l.ScrollRow(), 3);
    l.Resize(68, 136, 10);  // 4 visible: the last page starts at row 1
    EXPECT_TRUE(l.NeedsScrollBar());
    EXPECT_EQ(l.ScrollRow(), 1);
    l.Resize(68, 170, 10);
    EXPECT_FALSE(l.NeedsScrollBar());
    EXPECT_EQ(l.ScrollRow(), 0);
}

TEST(CPaletteLayout, PageAndThumbActionsStayInRange)
{
    CPaletteLayout l;
    l.Resize(34, 102, 10);  // 10 rows, 3 visible, last first row 7
    EXPECT_EQ(l.MaxScrollRow(), 7);
    l.PageDown();
    EXPECT_EQ(l.ScrollRow(), 3);
    l.PageDown();
    l.PageDown();
    EXPECT_EQ(l.ScrollRow(), 7);
    EXPECT_FALSE(l.PageDown());
    EXPECT_FALSE(l.LineDown());
    l.PageUp();
    EXPECT_EQ(l.ScrollRow(), 4);
    l.PageUp();
    l.PageUp();
    EXPECT_EQ(l.ScrollRow(), 0);
    EXPECT_TRUE(l.ThumbReleased(34 * 2 + 33));
    EXPECT_EQ(l.ScrollRow(), 2);
    l.ThumbReleased(34 * 9);
    EXPECT_EQ(l.ScrollRow(), 7);
    l.ThumbReleased(-50);
    EXPECT_EQ(l.ScrollRow(), 0);
    l.ScrollToRow(9);
    EXPECT_EQ(l.ScrollRow(), 7);
}

TEST(CPaletteLayout, HitCellsClampColumnsAndAddTheScrolledRows)
{
    CPaletteLayout l;
    l.Resize(170, 68, 30);
    EXPECT_EQ(l.ShownIndexAt(0, 0), 0);
    EXPECT_EQ(l.ShownIndexAt(33, 33), 0);
    EXPECT_EQ(l.ShownIndexAt(34, 34), 6);
    // Right of the last whole column and left of the window: the edge columns.
    EXPECT_EQ(l.ShownIndexAt(169, 0), 4);
    EXPECT_EQ(l.ShownIndexAt(400, 0), 4);
    EXPECT_EQ(l.ShownIndexAt(-40, 40), 5);
    // Above the client area counts as the first shown row.
    EXPECT_EQ(l.ShownIndexAt(40, -100), 1);
    l.LineDown();
    EXPECT_EQ(l.ShownIndexAt(40, 10), 6);
    EXPECT_EQ(l.ShownIndexAt(40, -10), 6);
}

TEST(CPaletteLayout, RowsDrawnUntilTheirCentreIsHalfACellBelowTheBottom)
{
    CPaletteLayout l;
    l.Resize(68, 60, 10);
    EXPECT_TRUE(l.RowReachesClient(1));   // centre 51, cut by the bottom edge
    EXPECT_FALSE(l.RowReachesClient(2));  // centre 85, beyond 60 + 17
    l.Resize(68, 68, 10);
    EXPECT_TRUE(l.RowReachesClient(2));   // centre 85 = 68 + 17
    EXPECT_FALSE(l.RowReachesClient(3));
    l.LineDown();
    EXPECT_TRUE(l.RowReachesClient(3));
}
