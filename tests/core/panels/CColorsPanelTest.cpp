#include "core/panels/CColorsPanel.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {
namespace fs = std::filesystem;

HsvColor C(int h, int s, int v)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}

struct ColorsPanelFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    CColorsPanel panel{host, app.Random(), app.ShapeTable(), app.Unwritten()};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    CDaubrixView* active = nullptr;
    int shapeRepaints = 0;
    fs::path dir;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        app.ShapeTable().m_currentShape = 1;
        panel.m_activeView = [this] { return active; };
        panel.m_shapeColorChanged = [this] { ++shapeRepaints; };
        dir = fs::temp_directory_path() / ("dbx_colors_" + std::to_string(::getpid()) + "_"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // A drawing of n globs, shown up to `shown`, with its images made.
    void OpenDrawing(int n, int shown)
    {
        view.reset();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(60);
        doc->SetHeight(40);
        for (int i = 0; i < n; ++i)
            doc->AddGlob(5 + i % 50, 5 + i % 30);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
        view->BrowseTo(shown);
        active = view.get();
    }
    HsvColor ShapeColor()
    {
        CShape& s = app.CurrentShape();
        return {s.m_hue, s.m_saturation, s.m_value};
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    void WriteFile(const std::string& path, const std::string& bytes)
    {
        ASSERT_TRUE(WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}));
    }
};
} // namespace

TEST_F(ColorsPanelFixture, StartsWithFullRedInTheHistory)
{
    EXPECT_EQ(panel.CurrentColor(), C(0, 255, 255));
    EXPECT_EQ(panel.History().Count(), 1);
    EXPECT_EQ(panel.History().Entry(0), C(0, 255, 255));
    EXPECT_FALSE(panel.CanDelete());
}

TEST_F(ColorsPanelFixture, FieldClickAndDragPickHueAndSaturation)
{
    app.CurrentShape().m_hue = 42;
    EXPECT_TRUE(panel.MouseDown(5, 5));
    EXPECT_EQ(panel.CurrentColor(), C(0, 255, 255));
    EXPECT_TRUE(panel.MouseDown(124, 67));
    EXPECT_EQ(panel.m_curHue, 357);
    EXPECT_EQ(panel.m_curSat, 7);
    // Far right and far below clamp to the ends of the ranges.
    panel.MouseMove(400, 300);
    EXPECT_EQ(panel.m_curHue, 360);
    EXPECT_EQ(panel.m_curSat, 0);
    panel.MouseMove(-20, -20);
    EXPECT_EQ(panel.m_curHue, 0);
    EXPECT_EQ(panel.m_curSat, 255);
    panel.MouseMove(45, 30);
    // Nothing reaches the shape until the button comes up.
    EXPECT_EQ(app.CurrentShape().m_hue, 42);
    EXPECT_EQ(panel.History().Count(), 1);
    panel.MouseUp();
    EXPECT_FALSE(panel.IsDragging());
    EXPECT_EQ(ShapeColor(), C(120, 155, 255));
    EXPECT_EQ(panel.History().Count(), 2);
    EXPECT_EQ(panel.History().SelectedColor(), C(120, 155, 255));
    EXPECT_EQ(shapeRepaints, 1);
}

TEST_F(ColorsPanelFixture, StripDragChangesOnlyTheValue)
{
    EXPECT_TRUE(panel.MouseDown(137, 30));
    EXPECT_EQ(panel.CurrentColor(), C(0, 255, 155));
    panel.MouseMove(0, 67);
    EXPECT_EQ(panel.CurrentColor(), C(0, 255, 7));
    panel.MouseUp();
    EXPECT_EQ(ShapeColor(), C(0, 255, 7));
    // Outside every element nothing happens and no drag starts.
    EXPECT_FALSE(panel.MouseDown(128, 30));
    EXPECT_FALSE(panel.MouseDown(2, 104));
    EXPECT_EQ(panel.History().Count(), 2);
}

TEST_F(ColorsPanelFixture, HistorySwatchClickSelectsAndApplies)
{
    panel.AcceptValues(C(100, 50, 60));
    panel.AcceptValues(C(200, 70, 80));
    ASSERT_EQ(panel.History().Count(), 3);
    EXPECT_FALSE(panel.MouseDown(4 + 7 * 1 + 3, 108));
    EXPECT_EQ(panel.History().Selected(), 1);
    EXPECT_EQ(panel.CurrentColor(), C(100, 50, 60));
    EXPECT_EQ(ShapeColor(), C(100, 50, 60));
    // A click right of the last entry in use selects nothing.
    panel.MouseDown(4 + 7 * 3 + 1, 104);
    EXPECT_EQ(panel.History().Selected(), 1);
}

TEST_F(ColorsPanelFixture, LastAndNextStepAndStopAtTheEnds)
{
    panel.AcceptValues(C(100, 50, 60));
    EXPECT_FALSE(panel.Next());
    EXPECT_TRUE(panel.Last());
    EXPECT_EQ(ShapeColor(), C(0, 255, 255));
    EXPECT_FALSE(panel.Last());
    EXPECT_EQ(panel.History().Selected(), 0);
    EXPECT_TRUE(panel.Next());
    EXPECT_EQ(panel.CurrentColor(), C(100, 50, 60));
}

TEST_F(ColorsPanelFixture, ApplyRecordsAColourChangeInTheActiveDrawing)
{
    OpenDrawing(30, 30);
    panel.SetCurrentColor(C(77, 88, 99));
    panel.ApplyCurrentColor();
    EXPECT_TRUE(doc->HasColorChangeAt(30));
    EXPECT_EQ(doc->GetColorChangeHue(30), 77);
    EXPECT_EQ(host.statusHistory.size(), 0u) << "nothing hidden, so no undo image rebuild";

    // With globs hidden behind the history position the colour only becomes current: a change
    // there would recolour the hidden glob, and the next stroke records it where it starts.
    view->BrowseTo(10);
    panel.SetCurrentColor(C(33, 44, 55));
    panel.ApplyCurrentColor();
    EXPECT_FALSE(doc->HasColorChangeAt(10));
    EXPECT_EQ(doc->GetColorChangeHue(30), 77);
    EXPECT_EQ(app.CurrentShape().m_hue, 33);
}

TEST_F(ColorsPanelFixture, DeleteAndClearAskFirst)
{
    panel.AcceptValues(C(10, 20, 30));
    panel.AcceptValues(C(40, 50, 60));
    host.answers = {MsgAnswer::No};
    EXPECT_FALSE(panel.DeleteColor());
    EXPECT_EQ(panel.History().Count(), 3);
    ASSERT_EQ(host.questions.back(), "Delete color?");

    panel.Last();   // select the middle entry
    EXPECT_TRUE(panel.DeleteColor());
    EXPECT_EQ(panel.History().Count(), 2);
    EXPECT_EQ(panel.History().Selected(), 1);
    EXPECT_EQ(panel.CurrentColor(), C(40, 50, 60));
    EXPECT_EQ(ShapeColor(), C(40, 50, 60));

    panel.Last();
    app.CurrentShape().m_hue = 5;
    EXPECT_TRUE(panel.ClearColors());
    EXPECT_EQ(host.questions.back(), "Delete all colors?");
    EXPECT_EQ(panel.History().Count(), 1);
    EXPECT_EQ(panel.History().Entry(0), C(0, 255, 255));
    EXPECT_EQ(app.CurrentShape().m_hue, 5) << "clearing applies nothing";
    // With one entry neither command does anything, not even ask.
    const size_t asked = host.questions.size();
    EXPECT_FALSE(panel.DeleteColor());
    EXPECT_FALSE(panel.ClearColors());
    EXPECT_EQ(host.questions.size(), asked);
}

TEST_F(ColorsPanelFixture, RandomColourStaysInItsRanges)
{
    for (int i = 0; i < 200; ++i) {
        panel.RandomColor();
        const HsvColor c = panel.CurrentColor();
        EXPECT_LT(c.m_hue, 360);
        EXPECT_GE(c.m_saturation, 50);
        EXPECT_GE(c.m_value, 100);
        EXPECT_EQ(ShapeColor(), c);
        EXPECT_EQ(panel.History().SelectedColor(), c);
    }
}

TEST_F(ColorsPanelFixture, ThreeEntryFileRoundTripAppliesTheThird)
{
    panel.AcceptValues(C(120, 10, 20));
    panel.AcceptValues(C(240, 30, 40));
    const std::string path = Path("three.dch");
    ASSERT_TRUE(panel.SaveHistory(path));
    EXPECT_EQ(fs::file_size(path), 37u);

    CColorsPanel other(host, app.Random(), app.ShapeTable(), app.Unwritten());
    other.m_activeView = [this] { return active; };
    OpenDrawing(12, 12);
    ASSERT_TRUE(other.LoadHistory(path));
    EXPECT_EQ(other.History().Count(), 3);
    EXPECT_EQ(other.History().Selected(), 2);
    EXPECT_EQ(other.CurrentColor(), C(240, 30, 40));
    EXPECT_EQ(ShapeColor(), C(240, 30, 40));
    EXPECT_TRUE(doc->HasColorChangeAt(12));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ColorsPanelFixture, BadFilesAreRefusedAndMissingOnesIgnored)
{
    panel.AcceptValues(C(10, 20, 30));
    const std::string bad = Path("bad.dch");
    WriteFile(bad, std::string("Daubrix Colour History") + std::string(8, '\1'));
    EXPECT_FALSE(panel.LoadHistory(bad));
    EXPECT_TRUE(host.Said("Not a valid Color file!"));
    EXPECT_EQ(panel.History().Count(), 2);

    host.messages.clear();
    WriteFile(bad, std::string("Daubrix Color History") + std::string(4, '\0'));
    EXPECT_FALSE(panel.LoadHistory(bad));
    EXPECT_TRUE(host.Said("Not a valid Color file!"));
    EXPECT_EQ(panel.CurrentColor(), C(10, 20, 30));

    host.messages.clear();
    EXPECT_FALSE(panel.LoadHistory(Path("missing.dch")));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(panel.History().Count(), 2);

    EXPECT_FALSE(panel.SaveHistory(Path("no/such/folder/x.dch")));
    EXPECT_TRUE(host.Said("Error writing file"));
}

TEST_F(ColorsPanelFixture, FullHistoryLoadsFromAFileWithTrailingBytes)
{
    for (int i = 1; i < 25; ++i)
        panel.AcceptValues(C(i * 10, i, 255 - i));
    const std::string path = Path("full.dch");
    ASSERT_TRUE(panel.SaveHistory(path));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes.size(), 105u);
    WriteFile(path, bytes + std::string(200000, 'x'));
    CColorsPanel other(host, app.Random(), app.ShapeTable(), app.Unwritten());
    ASSERT_TRUE(other.LoadHistory(path));
    EXPECT_EQ(other.History().Count(), 20);
    EXPECT_EQ(other.History().Entry(0), C(50, 5, 250));
    EXPECT_EQ(other.CurrentColor(), C(240, 24, 231));
}

TEST_F(ColorsPanelFixture, AutomaticFileReadAtFirstPaintWrittenAtTheEnd)
{
    const std::string autoPath = Path("DBXlastDBX.dch");
    {
        CColorsPanel first(host, app.Random(), app.ShapeTable(), app.Unwritten());
        first.SetAutoFile(autoPath);
        first.OnFirstPaint();
        first.AcceptValues(C(33, 44, 55));
        first.OnDestroy();
    }
    ASSERT_TRUE(fs::exists(autoPath));
    {
        // Never shown: the saved history must survive the run untouched.
        CColorsPanel hidden(host, app.Random(), app.ShapeTable(), app.Unwritten());
        hidden.SetAutoFile(autoPath);
        hidden.OnDestroy();
    }
    CColorsPanel again(host, app.Random(), app.ShapeTable(), app.Unwritten());
    again.SetAutoFile(autoPath);
    again.OnFirstPaint();
    EXPECT_EQ(again.History().Count(), 2);
    EXPECT_EQ(again.CurrentColor(), C(33, 44, 55));
    EXPECT_EQ(ShapeColor(), C(33, 44, 55));
}
