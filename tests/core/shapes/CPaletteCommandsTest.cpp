#include "core/shapes/CPaletteCommands.h"
#include "tests/core/support/PaletteFixture.h"

namespace {
// A: all sizes; C: Small and Large; D: Small and Medium; M: Large only.
// Table: 0 A_0, 1 A_1, 2 A_2, 3 C_0, 4 C_2, 5 D_0, 6 D_1, 7 M_2.
struct Commands : PaletteFixture {
    CPaletteCommands commands{palette, app.Random()};
    void SetUp() override
    {
        Build({"A_0_a.bmp", "A_1_a.bmp", "A_2_a.bmp", "C_0_c.bmp", "C_2_c.bmp", "D_0_d.bmp", "D_1_d.bmp", "M_2_m.bmp"},
              170, 100);
        app.Random().Seed(12345);
    }
    void Pick(int shape) { Shapes().m_currentShape = static_cast<uint8_t>(shape); }
    bool Shown(int shape) { return Shapes().Shape(shape).m_shown != 0; }
    static bool InRandomRanges(HsvColor c)
    {
        return c.m_hue >= 0 && c.m_hue <= 359 && c.m_saturation >= 50 && c.m_saturation <= 254 && c.m_value >= 100
            && c.m_value <= 254;
    }
};
} // namespace

TEST_F(Commands, SizeItemsGreyMissingSizesAndCheckTheCurrentOne)
{
    Pick(6);   // D Medium: no Large file
    EXPECT_TRUE(commands.State(PaletteCommand::Small).enabled);
    EXPECT_TRUE(commands.State(PaletteCommand::Medium).enabled);
    EXPECT_FALSE(commands.State(PaletteCommand::Large).enabled);
    EXPECT_TRUE(commands.State(PaletteCommand::Medium).checked);
    EXPECT_FALSE(commands.State(PaletteCommand::Small).checked);
    Pick(7);   // M: Large only
    EXPECT_FALSE(commands.State(PaletteCommand::Small).enabled);
    EXPECT_FALSE(commands.State(PaletteCommand::Medium).enabled);
    EXPECT_TRUE(commands.State(PaletteCommand::Large).checked);
    EXPECT_TRUE(commands.State(PaletteCommand::AllThisColor).enabled);
}

TEST_F(Commands, SmallSwapsTheVariantAndKeepsTheColour)
{
    Pick(1);
    SetColour(1, 77, 180, 220);
    const int cell = palette.ShownNumberOf(1);
    ASSERT_TRUE(commands.Run(PaletteCommand::Small));
    EXPECT_EQ(Shapes().m_currentShape, 0);
    EXPECT_TRUE(Shown(0));
    EXPECT_FALSE(Shown(1));
    EXPECT_EQ(ColourOf(0), (HsvColor{77, 180, 220}));
    EXPECT_TRUE(Shapes().Shape(0).m_recolorPending);
    // The Small variant takes the Medium one's place in the palette.
    EXPECT_EQ(palette.ShownNumberOf(0), cell);
    EXPECT_EQ(fullPaints, 1);
}

TEST_F(Commands, SizeChangeSkipsAMissingSizeInBetween)
{
    // C has no Medium, so it starts at Small; its Large sits right after it in the table.
    ASSERT_TRUE(Shown(3));
    Pick(3);
    SetColour(3, 240, 90, 200);
    commands.Run(PaletteCommand::Large);
    EXPECT_EQ(Shapes().m_currentShape, 4);
    EXPECT_TRUE(Shown(4));
    EXPECT_FALSE(Shown(3));
    EXPECT_EQ(ColourOf(4), (HsvColor{240, 90, 200}));
    // Back to Small, and a greyed size does nothing.
    commands.Run(PaletteCommand::Small);
    EXPECT_EQ(Shapes().m_currentShape, 3);
    commands.Run(PaletteCommand::Medium);
    EXPECT_EQ(Shapes().m_currentShape, 3);
    EXPECT_TRUE(Shown(3));
}

TEST_F(Commands, AllThisSizeMovesEveryFamilyThatHasTheSize)
{
    SetColour(6, 33, 44, 155);   // D Medium
    Pick(0);
    Shapes().SelectShapeSize('A', 0);
    commands.Run(PaletteCommand::AllThisSize);
    EXPECT_TRUE(Shown(3));    // C was at Small already
    EXPECT_TRUE(Shown(5));    // D Small, with D Medium's colour
    EXPECT_FALSE(Shown(6));
    EXPECT_EQ(ColourOf(5), (HsvColor{33, 44, 155}));
    EXPECT_TRUE(Shown(7));    // M has no Small
    EXPECT_EQ(palette.ShownCount(), 4);
}

TEST_F(Commands, AllThisColorGivesOthersTheColourWithoutRecording)
{
    const int changes = doc->GetColorChangeCount();
    Pick(1);
    SetColour(1, 150, 120, 90);
    for (int i = 0; i < Shapes().Count(); ++i)
        Shapes().Shape(i).m_recolorPending = 0;
    commands.Run(PaletteCommand::AllThisColor);
    for (int i : {3, 6, 7}) {
        EXPECT_EQ(ColourOf(i), (HsvColor{150, 120, 90})) << i;
        EXPECT_TRUE(Shapes().Shape(i).m_recolorPending) << i;
    }
    EXPECT_NE(ColourOf(0), (HsvColor{150, 120, 90}));   // hidden variants keep theirs
    EXPECT_EQ(doc->GetColorChangeCount(), changes);
}

TEST_F(Commands, RandomColourIsAppliedRecordedAndRemembered)
{
    doc->AddGlob(5, 5);
    view->BrowseTo(1);
    Pick(6);
    commands.Run(PaletteCommand::RandomColor);
    const HsvColor c = ColourOf(6);
    EXPECT_TRUE(InRandomRanges(c));
    EXPECT_NE(c, (HsvColor{0, 255, 255}));
    EXPECT_EQ(colors.CurrentColor(), c);
    EXPECT_EQ(colors.HistoryEntry(colors.HistoryCount() - 1), c);
    ASSERT_TRUE(doc->HasColorChangeAt(1));
    EXPECT_EQ(doc->GetColorChangeHue(1), c.m_hue);
    EXPECT_EQ(doc->GetColorChangeValue(1), c.m_value);
}

TEST_F(Commands, RandomColoursStayInTheirRangesOverManyDraws)
{
    CRandom r(99);
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(InRandomRanges(RandomShapeColor(r)));
}

TEST_F(Commands, AllRandomColoursGiveEveryShownShapeItsOwn)
{
    Pick(1);
    commands.Run(PaletteCommand::AllRandomColors);
    std::vector<HsvColor> seen;
    for (int i : {1, 3, 6, 7}) {
        EXPECT_TRUE(InRandomRanges(ColourOf(i)));
        seen.push_back(ColourOf(i));
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[2], seen[3]);
    EXPECT_EQ(ColourOf(0), (HsvColor{0, 255, 255}));
    EXPECT_EQ(colors.CurrentColor(), ColourOf(1));
    EXPECT_EQ(colors.HistoryEntry(colors.HistoryCount() - 1), ColourOf(1));
    EXPECT_EQ(doc->GetColorChangeHue(0), ColourOf(1).m_hue);
}

TEST_F(Commands, HistoryColoursCycleThroughTheEntries)
{
    const HsvColor h1{100, 100, 100}, h2{200, 200, 200};
    colors.SetCurrentColor(h1);
    colors.AddCurrentToHistory();
    colors.SetCurrentColor(h2);
    colors.AddCurrentToHistory();   // entries: red, h1, h2
    Pick(6);                        // D Medium, third shown shape
    commands.Run(PaletteCommand::AllHistoryColors);
    EXPECT_EQ(ColourOf(1), (HsvColor{0, 255, 255}));
    EXPECT_EQ(ColourOf(3), h1);
    EXPECT_EQ(ColourOf(6), h2);
    EXPECT_EQ(ColourOf(7), (HsvColor{0, 255, 255}));
    EXPECT_EQ(colors.SelectedEntry(), 2);
    EXPECT_EQ(colors.CurrentColor(), h2);
    EXPECT_EQ(doc->GetColorChangeHue(0), 200);
}

TEST_F(Commands, RandomHistoryColourPicksAndSelectsAnEntry)
{
    for (int i = 1; i <= 5; ++i) {
        colors.SetCurrentColor({static_cast<int16_t>(i * 50), 200, 200});
        colors.AddCurrentToHistory();
    }
    Pick(1);
    commands.Run(PaletteCommand::RandomHistoryColor);
    const int k = colors.SelectedEntry();
    EXPECT_EQ(ColourOf(1), colors.HistoryEntry(k));
    EXPECT_EQ(colors.CurrentColor(), colors.HistoryEntry(k));
    EXPECT_EQ(colors.HistoryCount(), 6);   // nothing added
}
