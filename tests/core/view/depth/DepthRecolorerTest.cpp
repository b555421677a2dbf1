#include "core/view/depth/ChromaDepthTable.h"
#include "tests/core/view/edit/GlobEditFixture.h"

using SimulateDepth = GlobEditFixture;

namespace {
// Values of the colour changes, by position.
std::vector<std::pair<int, int>> Values(const CDaubrixDoc& doc)
{
    std::vector<std::pair<int, int>> out;
    for (const CColorChange& c : doc.ColorChanges())
        out.push_back({static_cast<int>(c.m_position), c.m_value});
    return out;
}
} // namespace

TEST_F(SimulateDepth, LightRampsTenLevelsOfTenGlobsAndRestoresTheColourAtTheEnd)
{
    Stroke(40, 250, 5, 5);
    app.CurrentShape().m_value = 200;
    ASSERT_TRUE(edits().SimulateDepth({true, true, 0, 25}));
    std::vector<std::pair<int, int>> expected;
    for (int p = 0; p <= 240; p += 10)
        expected.push_back({p, p});
    expected.push_back({250, 200});   // the current colour, for the next stroke
    EXPECT_EQ(Values(doc), expected);
    EXPECT_EQ(doc.GetColorChangeHue(120), 40);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDepth);
}

TEST_F(SimulateDepth, LightOnFewerGlobsThanLevelsTakesBigSteps)
{
    Stroke(40, 5, 5, 5);
    app.CurrentShape().m_value = 255;
    ASSERT_TRUE(edits().SimulateDepth({true, true, 0, 25}));
    EXPECT_EQ(Values(doc), (std::vector<std::pair<int, int>>{{0, 0}, {1, 50}, {2, 100}, {3, 150}, {4, 200}, {5, 255}}));
}

TEST_F(SimulateDepth, LightKeepsTheHuesOfEveryStrokeAndDropsValueOnlyChanges)
{
    ThreeStrokes();
    // A brightness-only change inside the third stroke is not a colour of its own.
    doc.SetColorChange(12, 250, doc.GetColorChangeSaturation(9), 90);
    ASSERT_TRUE(edits().SimulateDepth({true, true, 5, 20}));
    // 15 globs, 15 levels of one glob from 50 in steps of 10.
    for (int p = 0; p < 15; ++p) {
        ASSERT_TRUE(doc.HasColorChangeAt(p)) << p;
        EXPECT_EQ(doc.GetColorChangeValue(p), 50 + 10 * p) << p;
        EXPECT_EQ(doc.GetColorChangeHue(p), p < 4 ? 10 : p < 9 ? 130 : 250) << p;
    }
}

TEST_F(SimulateDepth, ChromaDepthWalksTheTableFromBlueToRed)
{
    Stroke(40, 25, 5, 5);
    ASSERT_TRUE(edits().SimulateDepth({true, false, 0, 25}));
    for (int p = 0; p < 25; ++p) {
        const HsvColor want = ChromaDepthColor(24 - p);
        EXPECT_EQ(doc.GetColorChangeHue(p), want.m_hue) << p;
        EXPECT_EQ(doc.GetColorChangeSaturation(p), want.m_saturation) << p;
        EXPECT_EQ(doc.GetColorChangeValue(p), want.m_value) << p;
    }
    EXPECT_EQ(doc.GetColorChangeHue(0), 239);
    EXPECT_EQ(doc.GetColorChangeHue(24), 0);
}

TEST_F(SimulateDepth, ChromaDepthDrawsDeepGlobsBlueAndNearOnesRed)
{
    Stroke(40, 25, 10, 10, 0, 7);   // far enough apart not to overlap
    ASSERT_TRUE(edits().SimulateDepth({true, false, 0, 25}));
    const CImage32 img = Rendered();
    EXPECT_TRUE(img == Replayed());
    auto blueOverRed = [&img](int x, int y) { return PixelBlue(img.At(x, y)) - PixelRed(img.At(x, y)); };
    const CGlob first = doc.GetGlob(0), last = doc.GetGlob(24);
    EXPECT_GT(blueOverRed(first.X() + 1, first.Y() + 1), 60);
    EXPECT_LT(blueOverRed(last.X() + 1, last.Y() + 1), -60);
}

TEST_F(SimulateDepth, LastSectionOnlyLeavesTheEarlierStrokesAlone)
{
    ThreeStrokes();
    std::vector<CColorChange> before(doc.ColorChanges().begin(), doc.ColorChanges().begin() + 2);
    ASSERT_TRUE(edits().SimulateDepth({false, false, 0, 25}));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc.ColorChanges().begin()));
    // Six globs of the third stroke, six levels from the deepest entry down by four.
    for (int p = 9; p < 15; ++p)
        EXPECT_EQ(doc.GetColorChangeHue(p), ChromaDepthColor(24 - 4 * (p - 9)).m_hue) << p;
    EXPECT_EQ(doc.GetColorChangeHue(4), 130);
}

TEST_F(SimulateDepth, NothingShownOrAnEmptyRangeChangesNothing)
{
    EXPECT_FALSE(edits().SimulateDepth({true, true, 0, 25}));
    // Eleven strokes: the first boundary becomes the floor, and the position stands on it.
    for (int i = 0; i < 11; ++i)
        Stroke(10 * i, 1, 10 + 10 * i, 10);
    ASSERT_EQ(doc.Sections().Floor(), 1);
    view->BrowseTo(1);
    const DocState before = State();
    EXPECT_FALSE(edits().SimulateDepth({false, true, 0, 25}));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
}

TEST_F(SimulateDepth, BottomNotBelowTopStillMakesOneLevel)
{
    Stroke(40, 6, 5, 5);
    ASSERT_TRUE(edits().SimulateDepth({true, true, 25, 25}));
    EXPECT_EQ(doc.GetColorChangeValue(0), 240);
}
