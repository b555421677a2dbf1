#include "core/model/CDaubrixDoc.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <gtest/gtest.h>

namespace {
struct FakeView : IDocView {
    std::vector<int> sections;
    void OnSectionAdded(int p) override { sections.push_back(p); }
};

struct DocFixture : ::testing::Test {
    FakeHost host;
    CShapeTable shapes;
    CDaubrixDoc doc{shapes, &host};
    void SetUp() override { LoadTestShapes(shapes); }
    void AddGlobs(int n)
    {
        for (int i = 0; i < n; ++i)
            doc.AppendGlob(i % 100, i % 90);
    }
};
} // namespace

using DaubrixDoc = DocFixture;

TEST_F(DaubrixDoc, AddGlobBoundsAreMinus19ToSizePlus19)
{
    doc.SetWidth(200);
    doc.SetHeight(100);
    EXPECT_TRUE(doc.AddGlob(-19, 50));
    EXPECT_TRUE(doc.AddGlob(219, 50));
    EXPECT_TRUE(doc.AddGlob(10, -19));
    EXPECT_TRUE(doc.AddGlob(10, 119));
    EXPECT_FALSE(doc.AddGlob(-20, 50));
    EXPECT_FALSE(doc.AddGlob(220, 50));
    EXPECT_FALSE(doc.AddGlob(10, -20));
    EXPECT_FALSE(doc.AddGlob(10, 120));
    EXPECT_EQ(doc.GetGlobCount(), 4);
    EXPECT_EQ(doc.GetGlob(0).m_x, -19) << "negative centres survive the 16-bit store";
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DaubrixDoc, FirstGlobStartsWithItsShapesColourEvenWhenRejected)
{
    shapes.Current().m_hue = 120;
    shapes.Current().m_saturation = 200;
    shapes.Current().m_value = 100;
    EXPECT_FALSE(doc.AddGlob(-50, 0));
    ASSERT_EQ(doc.GetColorChangeCount(), 1);
    EXPECT_EQ(*doc.GetColorChange(0), CColorChange(0, 120, 200, 100));
    EXPECT_TRUE(doc.AddGlob(5, 5));
    EXPECT_EQ(doc.GetColorChangeCount(), 1);
    EXPECT_TRUE(doc.AddGlob(6, 6));
    EXPECT_EQ(doc.GetColorChangeCount(), 1) << "only an empty sequence records a change";
    EXPECT_EQ(doc.GetGlob(1).m_shape, shapes.m_currentShape);
}

TEST_F(DaubrixDoc, SetColorChangeKeepsOrderAndOverwrites)
{
    FakeView view;
    doc.SetView(&view);
    AddGlobs(50);
    doc.SetColorChange(0, 1, 1, 1);
    doc.SetColorChange(30, 2, 2, 2);
    doc.SetColorChange(10, 3, 3, 3);
    doc.SetColorChange(40, 4, 4, 4);
    doc.SetShownPosition(20);
    doc.SetColorChange(-1, 5, 5, 5);   // at the history position
    std::vector<uint32_t> positions;
    for (int i = 0; i < doc.GetColorChangeCount(); ++i)
        positions.push_back(doc.GetColorChange(i)->m_position);
    EXPECT_EQ(positions, (std::vector<uint32_t>{0, 10, 20, 30, 40}));
    doc.SetColorChange(10, 9, 8, 7);
    EXPECT_EQ(doc.GetColorChangeCount(), 5);
    EXPECT_EQ(doc.GetColorChangeHue(10), 9);
    EXPECT_EQ(doc.GetColorChangeSaturation(10), 8);
    EXPECT_EQ(doc.GetColorChangeValue(10), 7);
    EXPECT_EQ(doc.GetColorChangeHue(11), 0);
    EXPECT_EQ(doc.GetColorChange(5), nullptr);
    doc.SetView(nullptr);
    doc.SetColorChange(-1, 6, 6, 6);   // no view: at the glob count
    EXPECT_TRUE(doc.HasColorChangeAt(50));
}

TEST_F(DaubrixDoc, ColourChangeLookups)
{
    AddGlobs(100);
    for (int p : {0, 10, 20, 30})
        doc.SetColorChange(p, p, 0, 0);
    EXPECT_EQ(doc.FindColorChangeBefore(0), 0);
    EXPECT_EQ(doc.FindColorChangeBefore(10), 0);
    EXPECT_EQ(doc.FindColorChangeBefore(11), 1);
    EXPECT_EQ(doc.FindColorChangeBefore(99), 3);
    EXPECT_EQ(doc.PositionInForce(15), 10);
    EXPECT_EQ(doc.PositionInForce(20), 10) << "an entry at the position itself is not yet in force";
    EXPECT_EQ(doc.PositionInForce(95), 30);
    EXPECT_EQ(doc.NextColorChangeAfter(10), 20);
    EXPECT_EQ(doc.NextColorChangeAfter(30), -1);
    doc.SetColorChangeValue(20, 77);
    EXPECT_EQ(doc.GetColorChangeValue(20), 77);
    doc.ShiftColorChanges(20, 5);
    EXPECT_TRUE(doc.HasColorChangeAt(25));
    EXPECT_TRUE(doc.HasColorChangeAt(35));
    doc.MoveColorChanges(20, 25);
    EXPECT_TRUE(doc.HasColorChangeAt(20));
    EXPECT_TRUE(doc.HasColorChangeAt(30));
}

TEST_F(DaubrixDoc, SectionsFloorAfterTheEleventh)
{
    FakeView view;
    doc.SetView(&view);
    for (int i = 1; i <= 11; ++i)
        doc.AddSection(i * 10);
    EXPECT_EQ(doc.Sections().Count(), 10);
    EXPECT_EQ(doc.Sections().Floor(), 10);
    EXPECT_EQ(doc.Sections().At(0), 20);
    EXPECT_EQ(doc.Sections().At(9), 110);
    EXPECT_EQ(view.sections.size(), 11u);
    doc.AddSection(50);   // already a boundary: nothing, not even the slider
    EXPECT_EQ(view.sections.size(), 11u);
    EXPECT_EQ(doc.Sections().Count(), 10);
    EXPECT_EQ(doc.SectionStartFor(15), 10) << "inside the first listed section: the floor";
    EXPECT_EQ(doc.SectionStartFor(20), 10);
    EXPECT_EQ(doc.SectionStartFor(21), 20);
    EXPECT_EQ(doc.SectionStartFor(110), 100);
    EXPECT_EQ(doc.SectionStartFor(111), 0) << "beyond every boundary";
    EXPECT_TRUE(doc.IsSectionBoundary(110));
    EXPECT_FALSE(doc.IsSectionBoundary(10));
}

TEST_F(DaubrixDoc, SectionsInsertInOrderAndSwap)
{
    doc.AddSection(30);
    doc.AddSection(10);
    doc.AddSection(20);
    EXPECT_EQ(doc.Sections().At(0), 10);
    EXPECT_EQ(doc.Sections().At(1), 20);
    EXPECT_EQ(doc.Sections().At(2), 30);
    doc.SaveSections();
    doc.AddSection(40);
    doc.SwapSections();
    EXPECT_EQ(doc.Sections().Count(), 3);
    doc.SwapSections();
    EXPECT_EQ(doc.Sections().Count(), 4);
    EXPECT_EQ(doc.Sections().At(3), 40);
}

TEST_F(DaubrixDoc, TruncateDeleteAndDeleteContents)
{
    AddGlobs(30);
    doc.SetColorChange(0, 1, 1, 1);
    doc.SetColorChange(10, 2, 2, 2);
    doc.SetColorChange(20, 3, 3, 3);
    doc.TruncateAt(20);
    EXPECT_EQ(doc.GetGlobCount(), 20);
    EXPECT_EQ(doc.GetColorChangeCount(), 2);
    doc.DeleteGlobs(5, 10);
    EXPECT_EQ(doc.GetGlobCount(), 15);
    EXPECT_EQ(doc.GetColorChangeCount(), 2) << "deleting globs does not move colour changes";
    doc.TruncateAt(0);
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(doc.GetColorChangeCount(), 0);
    AddGlobs(3);
    doc.SetColorChange(0, 1, 1, 1);
    doc.SaveColorChanges();
    doc.AddSection(3);
    doc.DeleteContents();
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(doc.GetColorChangeCount(), 0);
    EXPECT_TRUE(doc.SavedColorChanges().empty());
    EXPECT_EQ(doc.Sections().Count(), 1) << "sections are not reset by DeleteContents";
}

TEST_F(DaubrixDoc, SaveAndSwapColourChanges)
{
    AddGlobs(10);
    doc.SetColorChange(0, 1, 1, 1);
    doc.SaveColorChanges();
    doc.SetColorChange(5, 2, 2, 2);
    doc.SwapColorChanges();
    EXPECT_EQ(doc.GetColorChangeCount(), 1);
    EXPECT_EQ(doc.SavedColorChanges().size(), 2u);
    doc.SwapColorChanges();
    EXPECT_EQ(doc.GetColorChangeCount(), 2);
}

// Globs 0..9 shape 1, 10..19 shape 4, 20..29 shape 1.
struct EditFixture : DocFixture {
    void SetUp() override
    {
        DocFixture::SetUp();
        for (int i = 0; i < 30; ++i) {
            shapes.m_currentShape = (i >= 10 && i < 20) ? 4 : 1;
            doc.AppendGlob(i, i);
        }
        for (int p : {0, 5, 10, 15, 20})
            doc.SetColorChange(p, p, p, p);
    }
    std::vector<uint32_t> Positions()
    {
        std::vector<uint32_t> v;
        for (int i = 0; i < doc.GetColorChangeCount(); ++i)
            v.push_back(doc.GetColorChange(i)->m_position);
        return v;
    }
};
using DaubrixDocEdit = EditFixture;

TEST_F(DaubrixDocEdit, RemoveColorChangesKeepsShapeSwitchesUnlessAll)
{
    doc.RemoveColorChanges(5, 20, false);
    EXPECT_EQ(Positions(), (std::vector<uint32_t>{0, 10, 20})) << "5 and 15 repeat their shape";
    doc.RemoveColorChanges(1, 29, true);
    EXPECT_EQ(Positions(), (std::vector<uint32_t>{0}));
    doc.RemoveColorChanges(0, 0, false);
    EXPECT_TRUE(Positions().empty()) << "entry 0 goes whatever the shapes";
}

TEST_F(DaubrixDocEdit, CopyPreviousColorsAtShapeSwitches)
{
    doc.CopyPreviousColors(10, 29);
    EXPECT_EQ(doc.GetColorChangeHue(10), 10) << "lower bound is exclusive";
    EXPECT_EQ(doc.GetColorChangeHue(20), 15);
    EXPECT_EQ(doc.GetColorChangeHue(15), 15);
    doc.CopyPreviousColors(0, 29);
    EXPECT_EQ(doc.GetColorChangeHue(10), 5);
}

TEST_F(DaubrixDocEdit, RemoveRepeatedColorChangesComparesHueAndSaturationOnly)
{
    doc.SetColorChange(5, 0, 0, 99);    // same hue and saturation as 0, other value
    doc.SetColorChange(15, 10, 10, 1);  // same as 10
    doc.SetColorChange(20, 10, 10, 10); // same colour as 15 but other shape
    doc.RemoveRepeatedColorChanges(0, 29);
    EXPECT_EQ(Positions(), (std::vector<uint32_t>{0, 10, 20}));
}

TEST_F(DaubrixDocEdit, ApplyColorChangesRecoloursTheShapeOfThatGlob)
{
    CImage32 before = shapes.Shape(4).Colored();
    doc.ApplyColorChangesAt(11);   // no entry
    EXPECT_EQ(shapes.Shape(4).Colored(), before);
    doc.ApplyColorChangesAt(10);
    EXPECT_NE(shapes.Shape(4).Colored(), before);
    CImage32 shape1 = shapes.Shape(1).Colored();
    doc.ApplyColorChange(1);   // position 5, shape 1
    EXPECT_NE(shapes.Shape(1).Colored(), shape1);
    shape1 = shapes.Shape(1).Colored();
    doc.SetColorChange(40, 200, 255, 255);   // beyond the glob count: ignored
    doc.ApplyColorChange(doc.GetColorChangeCount() - 1);
    EXPECT_EQ(shapes.Shape(1).Colored(), shape1);
}

TEST_F(DaubrixDocEdit, ClipboardInsertMovesByTheCentreAndColoursShapeSwitches)
{
    CGlobBuffer clip;
    clip.m_globs = {CGlob(10, 10, 1), CGlob(12, 10, 1), CGlob(14, 10, 4)};
    clip.m_colorChanges = {CColorChange(0, 50, 50, 50), CColorChange(2, 60, 60, 60)};
    clip.m_refX = 10;
    clip.m_refY = 10;
    shapes.Shape(4).m_hue = 222;
    doc.InsertClipboardGlobs(clip, 25, true, 100, 50);
    ASSERT_EQ(doc.GetGlobCount(), 33);
    EXPECT_EQ(doc.GetGlob(25), CGlob(100, 50, 1));
    EXPECT_EQ(doc.GetGlob(27), CGlob(104, 50, 4));
    EXPECT_EQ(doc.GetGlob(28), CGlob(25, 25, 1)) << "later globs move up";
    EXPECT_EQ(doc.GetColorChangeHue(27), 222);
    EXPECT_FALSE(doc.HasColorChangeAt(26));

    doc.InsertClipboardColorChanges(clip, 5, 25);
    EXPECT_EQ(doc.GetColorChangeHue(25), 50);
    EXPECT_EQ(doc.GetColorChangeHue(27), 222) << "an existing entry wins";
    EXPECT_EQ(Positions(), (std::vector<uint32_t>{0, 5, 10, 15, 20, 25, 27}));
}

TEST_F(DaubrixDocEdit, InsertGlobChecksBoundsAndMarksShapes)
{
    EXPECT_FALSE(doc.InsertGlob(3, -20, 0));
    EXPECT_TRUE(doc.InsertGlob(3, 7, 7));
    EXPECT_EQ(doc.GetGlob(3), CGlob(7, 7, shapes.m_currentShape));
    for (int i = 0; i < shapes.Count(); ++i)
        shapes.Shape(i).m_recolorPending = 0;
    doc.MarkShapesForRecolor(9, 12);
    EXPECT_TRUE(shapes.Shape(1).m_recolorPending);
    EXPECT_TRUE(shapes.Shape(4).m_recolorPending);
    EXPECT_FALSE(shapes.Shape(0).m_recolorPending);
}

TEST_F(DaubrixDoc, SectionSwapUndoneAndRedoneKeepsSectionStarts)
{
    // Cut and Paste undo exchange the sections with the saved copy; SectionStartFor scans
    // all ten slots, so slots past the count must come back too.
    AddGlobs(100);
    for (int p : {10, 20, 30, 40, 50, 60})
        doc.AddSection(p);
    doc.SaveSections();
    const int32_t kept[] = {10, 20};   // the action cuts the list back
    doc.LoadSections(5, 2, kept);
    auto starts = [&] {
        std::vector<int> out;
        for (int p = 0; p <= 100; ++p)
            out.push_back(doc.SectionStartFor(p));
        return out;
    };
    const std::vector<int> after = starts();
    doc.SwapSections();   // undo
    EXPECT_EQ(doc.Sections().Count(), 6);
    EXPECT_EQ(doc.Sections().Floor(), 0);
    const std::vector<int> before = starts();
    EXPECT_EQ(before[35], 30);
    doc.SwapSections();   // redo
    EXPECT_EQ(starts(), after);
    doc.SwapSections();   // undo again
    EXPECT_EQ(starts(), before);
}
