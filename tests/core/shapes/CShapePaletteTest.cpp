#include "tests/core/support/PaletteFixture.h"

namespace {
struct Palette : PaletteFixture {
    void SetUp() override { Build(ElevenFamilies(), 170, 200); }
    // Table index of the k-th shown shape (Medium of family k).
    static int Medium(int k) { return 3 * k + 1; }
    void AddGlobs(int n)
    {
        for (int i = 0; i < n; ++i)
            doc->AddGlob(10 + i, 20);
        view->ShowAddedGlobs(n);
        view->BrowseTo(doc->GetGlobCount());
    }
};
} // namespace

TEST_F(Palette, ClickPicksTheShownShapeOfTheCellAndShowsItsColour)
{
    SetColour(Medium(7), 200, 100, 150);
    const int before = Shapes().m_currentShape;
    Shapes().Shape(before).m_recolorPending = 0;
    Shapes().Shape(Medium(7)).m_recolorPending = 0;
    palette.HitSelect(CellX(palette, 7) + 10, CellY(palette, 7) - 10);
    EXPECT_EQ(Shapes().m_currentShape, Medium(7));
    EXPECT_EQ(colors.CurrentColor(), (HsvColor{200, 100, 150}));
    EXPECT_TRUE(Shapes().Shape(before).m_recolorPending);
    EXPECT_TRUE(Shapes().Shape(Medium(7)).m_recolorPending);
}

TEST_F(Palette, ClickBelowTheLastShapeSelectsTheLastShown)
{
    // Cell 24 lies past the 11 shown shapes; the table's last entry (K Large) is hidden, so the
    // last shown shape, K Medium, is picked.
    palette.HitSelect(150, 150);
    EXPECT_EQ(Shapes().m_currentShape, Medium(10));
    // Just below the lone shape of the third row, too.
    Shapes().m_currentShape = 0;
    palette.HitSelect(5, 3 * 34 + 2);
    EXPECT_EQ(Shapes().m_currentShape, Medium(10));
    // Right of it, in the same row.
    Shapes().m_currentShape = 0;
    palette.HitSelect(150, 2 * 34 + 5);
    EXPECT_EQ(Shapes().m_currentShape, Medium(10));
}

TEST_F(Palette, ClickAndReleaseOnOneShapeRecordsNoColourChange)
{
    AddGlobs(3);
    const int changes = doc->GetColorChangeCount();
    SetColour(Medium(2), 90, 255, 255);
    palette.LeftDown(CellX(palette, 2), CellY(palette, 2));
    EXPECT_TRUE(palette.Dragging());
    palette.MouseMove(CellX(palette, 2) + 5, CellY(palette, 2));
    palette.LeftUp(CellX(palette, 2) + 5, CellY(palette, 2));
    EXPECT_FALSE(palette.Dragging());
    EXPECT_EQ(doc->GetColorChangeCount(), changes);
    EXPECT_EQ(Shapes().m_currentShape, Medium(2));
    EXPECT_EQ(palette.PreviousSelection(), Medium(0));
    // Only the frames moved, and the picked colour reached the history.
    EXPECT_EQ(fullPaints, 0);
    EXPECT_GE(selectionPaints, 1);
    EXPECT_EQ(colors.HistoryEntry(colors.HistoryCount() - 1), (HsvColor{90, 255, 255}));
}

TEST_F(Palette, DragFromAToBCopiesTheColourAndRecordsExactlyOneChange)
{
    AddGlobs(4);
    const int changes = doc->GetColorChangeCount();
    SetColour(Medium(1), 120, 200, 180);
    SetColour(Medium(6), 10, 255, 255);
    const Pixel before = Shapes().Shape(Medium(6)).Colored().At(7, 9);
    palette.LeftDown(CellX(palette, 1), CellY(palette, 1));
    palette.MouseMove(CellX(palette, 3), CellY(palette, 3));
    palette.LeftUp(CellX(palette, 6), CellY(palette, 6));

    EXPECT_EQ(Shapes().m_currentShape, Medium(6));
    EXPECT_EQ(ColourOf(Medium(6)), (HsvColor{120, 200, 180}));
    EXPECT_EQ(ColourOf(Medium(1)), (HsvColor{120, 200, 180}));
    ASSERT_EQ(doc->GetColorChangeCount(), changes + 1);
    EXPECT_TRUE(doc->HasColorChangeAt(4));
    EXPECT_EQ(doc->GetColorChangeHue(4), 120);
    EXPECT_EQ(doc->GetColorChangeSaturation(4), 200);
    EXPECT_EQ(doc->GetColorChangeValue(4), 180);
    // B now shows A's colour.
    EXPECT_NE(Shapes().Shape(Medium(6)).Colored().At(7, 9), before);
    EXPECT_EQ(colors.CurrentColor(), (HsvColor{120, 200, 180}));
    EXPECT_EQ(colors.HistoryEntry(colors.HistoryCount() - 1), (HsvColor{120, 200, 180}));
    EXPECT_GE(fullPaints, 1);
}

TEST_F(Palette, ReleaseWithoutPressDoesNothing)
{
    palette.LeftUp(CellX(palette, 4), CellY(palette, 4));
    EXPECT_EQ(Shapes().m_currentShape, Medium(0));
    EXPECT_EQ(colors.HistoryCount(), 1);
}

TEST_F(Palette, DragBeyondAnEdgeScrollsOneRowPerTick)
{
    palette.Resize(68, 34);   // 2 columns, 1 whole row: 6 rows
    EXPECT_EQ(palette.Layout().RowCount(), 6);
    palette.Layout().ScrollToRow(2);
    palette.LeftDown(10, 10);
    palette.MouseMove(10, -3);
    EXPECT_TRUE(palette.ScrollingUp());
    EXPECT_TRUE(palette.AutoScrollTick());
    EXPECT_TRUE(palette.AutoScrollTick());
    EXPECT_EQ(palette.Layout().ScrollRow(), 0);
    EXPECT_FALSE(palette.AutoScrollTick());
    palette.MouseMove(10, 15);
    EXPECT_FALSE(palette.ScrollingUp());
    EXPECT_FALSE(palette.ScrollingDown());
    EXPECT_FALSE(palette.AutoScrollTick());
    palette.MouseMove(10, 80);
    EXPECT_TRUE(palette.ScrollingDown());
    for (int i = 0; i < 10; ++i)
        palette.AutoScrollTick();
    EXPECT_EQ(palette.Layout().ScrollRow(), 5);
    palette.LeftUp(10, 80);
    EXPECT_FALSE(palette.ScrollingDown());
    // Once released, moving above the window does not scroll any more.
    palette.MouseMove(10, -3);
    EXPECT_FALSE(palette.AutoScrollTick());
}

TEST_F(Palette, RightClickSelectsAndAddsToHistoryWithoutRecording)
{
    AddGlobs(2);
    const int changes = doc->GetColorChangeCount();
    SetColour(Medium(3), 300, 150, 250);
    palette.RightDown(CellX(palette, 3), CellY(palette, 3));
    EXPECT_EQ(Shapes().m_currentShape, Medium(3));
    EXPECT_EQ(palette.PreviousSelection(), Medium(0));
    EXPECT_EQ(colors.HistoryCount(), 2);
    EXPECT_EQ(colors.HistoryEntry(1), (HsvColor{300, 150, 250}));
    EXPECT_EQ(doc->GetColorChangeCount(), changes);
    EXPECT_FALSE(palette.Dragging());
}

TEST_F(Palette, ScrollToCurrentShapeBringsItsRowIntoView)
{
    palette.Resize(68, 34);   // one whole row of two cells
    Shapes().m_currentShape = static_cast<uint8_t>(Medium(7));   // row 3
    EXPECT_TRUE(palette.ScrollToCurrentShape());
    EXPECT_EQ(palette.Layout().ScrollRow(), 3);
    // Already in view: nothing moves.
    Shapes().m_currentShape = static_cast<uint8_t>(Medium(6));
    EXPECT_FALSE(palette.ScrollToCurrentShape());
    Shapes().m_currentShape = static_cast<uint8_t>(Medium(0));
    EXPECT_TRUE(palette.ScrollToCurrentShape());
    EXPECT_EQ(palette.Layout().ScrollRow(), 0);
    // The last row cannot be scrolled beyond the last page.
    palette.Resize(68, 68);
    Shapes().m_currentShape = static_cast<uint8_t>(Medium(10));   // row 5 of 6
    EXPECT_TRUE(palette.ScrollToCurrentShape());
    EXPECT_EQ(palette.Layout().ScrollRow(), 4);
}

TEST_F(Palette, CellCentresFollowTheShownShapesOnly)
{
    int x = 0, y = 0;
    EXPECT_FALSE(palette.CellCentre(0, x, y));   // A Small is hidden
    ASSERT_TRUE(palette.CellCentre(Medium(6), x, y));
    EXPECT_EQ(x, 17 + 34);
    EXPECT_EQ(y, 17 + 34);
    palette.Resize(170, 34);
    palette.Layout().LineDown();
    EXPECT_FALSE(palette.CellCentre(Medium(2), x, y));   // scrolled above
    ASSERT_TRUE(palette.CellCentre(Medium(10), x, y));
    EXPECT_EQ(y, 17 + 34);
}
