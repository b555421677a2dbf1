#include "core/commands/ViewCommands.h"
#include "core/imaging/PackedDib.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/view/edit/GlobEditFixture.h"
#include <random>
#include <string>
#include <tuple>

namespace {

// Several undo levels: every undoable action in random order, then undo k and redo k.
class UndoLevels : public GlobEditFixture {
protected:
    std::mt19937 rng;
    std::string log;
    TempDir dir;
    std::string picture;

    void SetUp() override
    {
        GlobEditFixture::SetUp();
        CImage32 img(12, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x)
                img.Set(x, y, MakePixel(x * 20, y * 30, 200));
        picture = dir.File("in.bmp");
        ASSERT_TRUE(SaveBitmapAsBmp(picture, img));
        app.Import().m_importGlobCount = 3;
        app.Import().m_importRemoveBackground = 0;
    }

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // One undoable action, or none when its range is empty.
    void Act()
    {
        const int kind = Pick(8);
        log += std::to_string(kind) + " ";
        switch (kind) {
        case 0:
        case 1:
            Stroke(Pick(360), 2 + Pick(6), Pick(150), Pick(80), Pick(app.ShapeTable().Count()));
            break;
        case 2:
            edits().SimulateDepth({Pick(2) == 0, Pick(2) == 0, Pick(5), 10 + Pick(16)});
            break;
        case 3:
            stroke().ToggleMoveCenter();
            stroke().ButtonDown(Pick(200), Pick(100), false, false);
            stroke().ButtonUp();
            break;
        case 4:
            if (view->ShownCount() > 0)
                ViewCommands::ClearNow(*view);
            break;
        case 5:
            edits().Cut(Pick(2) == 0);
            break;
        case 6:
            edits().Paste(Pick(2) == 0);
            break;
        case 7:
            Import(picture);
            break;
        }
        view->Paint();
    }

    // The shown globs replayed from nothing, the shapes' colours put back afterwards.
    CImage32 Regenerated()
    {
        CShapeTable& shapes = app.ShapeTable();
        std::vector<uint64_t> colorings;
        for (int s = 0; s < shapes.Count(); ++s)
            colorings.push_back(shapes.Shape(s).Coloring());
        CReplayer(doc).ApplyInForceBefore(0);
        CImage32 img = Replayed();
        for (int s = 0; s < shapes.Count(); ++s)
            shapes.Shape(s).SetColoring(colorings[static_cast<size_t>(s)]);
        return img;
    }

    struct Seen {
        DocState state;
        CPoint center;
        CImage32 picture;
        bool clear;
    };
    Seen Look()
    {
        CImage32 shown = Rendered();
        return {State(), view->Center(), shown, view->ClearPending()};
    }
    void ExpectSame(const Seen& a, const Seen& b, const std::string& what)
    {
        EXPECT_EQ(a.state, b.state) << what << log;
        EXPECT_EQ(a.center.x, b.center.x) << what << log;
        EXPECT_EQ(a.center.y, b.center.y) << what << log;
        EXPECT_EQ(a.clear, b.clear) << what << log;
        EXPECT_TRUE(a.picture == b.picture) << what << log;
    }
};

class UndoLevelsRandom : public UndoLevels, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {};

TEST_P(UndoLevelsRandom, UndoingKStepsThenRedoingThemGivesBackTheDrawing)
{
    const auto [levels, seed] = GetParam();
    rng.seed(seed * 31 + static_cast<unsigned>(levels));
    log = "actions: ";
    doc.Undo().SetLevels(levels);
    // A clipboard to paste from, filled before the steps so that none is forgotten.
    Stroke(40, 5, 20, 20);
    edits().Copy(true);
    for (int i = 0; i < 14; ++i)
        Act();
    const int n = doc.Undo().UndoCount();
    ASSERT_LE(n, levels) << log;
    const Seen end = Look();
    const int k = levels == 1 ? 2 : 1 + Pick(std::max(n, 1));
    std::vector<Seen> back;
    for (int i = 0; i < k; ++i) {
        view->History().Undo();
        back.push_back(Look());
        EXPECT_TRUE(back.back().picture == Regenerated()) << "undo " << i << " " << log;
    }
    if (levels == 1) {
        // The single step toggles: the second press redoes the first.
        ExpectSame(back[1], end, "toggled back ");
        return;
    }
    for (int r = 1; r < k; ++r) {
        view->History().Redo();
        ExpectSame(Look(), back[static_cast<size_t>(k - r - 1)], "redone " + std::to_string(r) + " ");
    }
    view->History().Redo();
    ExpectSame(Look(), end, "redone all ");
    // Nothing more to redo; the undo past the levels does nothing.
    view->History().Redo();
    ExpectSame(Look(), end, "redo past the end ");
    for (int i = 0; i <= n; ++i)
        view->History().Undo();
    const Seen bottom = Look();
    view->History().Undo();
    ExpectSame(Look(), bottom, "undo past the levels ");
}

INSTANTIATE_TEST_SUITE_P(Levels, UndoLevelsRandom,
                         ::testing::Combine(::testing::Values(1, 2, 20), ::testing::Range(1u, 21u)));

TEST_F(UndoLevels, TheUndoPastTheLevelsDoesNothingAndANewActionDropsTheRedos)
{
    doc.Undo().SetLevels(2);
    Stroke(10, 4, 10, 10);
    Stroke(130, 5, 30, 40);
    Stroke(250, 6, 60, 70);
    EXPECT_EQ(doc.Undo().UndoCount(), 2);
    view->History().Undo();
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 4);
    const DocState two = State();
    view->History().Undo();
    EXPECT_EQ(State(), two) << "the oldest step went when the levels were full";
    EXPECT_STREQ(view->History().MenuState().text, "&Undo\tCtrl+Z");
    EXPECT_FALSE(view->History().MenuState().enabled);
    EXPECT_STREQ(view->History().RedoMenuState().text, "&Redo Drawing\tCtrl+Y");

    view->History().Redo();
    EXPECT_EQ(view->ShownCount(), 9);
    EXPECT_STREQ(view->History().MenuState().text, "&Undo Drawing\tCtrl+Z");
    Stroke(300, 3, 80, 80);
    EXPECT_FALSE(view->History().RedoMenuState().enabled);
    EXPECT_EQ(doc.GetGlobCount(), 12) << "the hidden third stroke went";
    view->History().Redo();
    EXPECT_EQ(view->ShownCount(), 12);
}

// With several levels the same forgetting rules hold, each reaching the steps that depend on
// what it forgets.
TEST_F(UndoLevels, ClipboardFillAndSliderMoveForgetTheStepsThatRelyOnWhatChanged)
{
    doc.Undo().SetLevels(20);
    Stroke(10, 4, 10, 10);
    Stroke(130, 5, 30, 40);
    ASSERT_TRUE(edits().Cut(false));
    Stroke(200, 3, 60, 60);
    EXPECT_EQ(doc.Undo().UndoCount(), 4);
    // A copy makes the cut's undo unavailable, and the strokes before it with it.
    ASSERT_TRUE(edits().Copy(true));
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    view->History().Undo();
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 4);

    // A paste undone, then a copy: its redo goes.
    view->History().Redo();
    ASSERT_TRUE(edits().Paste(true));
    view->History().Undo();
    EXPECT_EQ(doc.Undo().RedoAction(), kUndoPaste);
    ASSERT_TRUE(edits().Copy(true));
    EXPECT_EQ(doc.Undo().RedoAction(), kUndoNone);

    // A slider move forgets the drawing steps and those beneath them; a move center above
    // them stays, as the single step would.
    Stroke(60, 4, 90, 20);
    stroke().ToggleMoveCenter();
    stroke().ButtonDown(50, 50, false, false);
    stroke().ButtonUp();
    view->History().ForgetDrawingUndo();
    EXPECT_EQ(doc.Undo().UndoCount(), 1);
    EXPECT_EQ(doc.Undo().Action(), kUndoMoveCenter);
}

TEST_F(UndoLevels, ANewStrokeOverHiddenGlobsForgetsTheStepsReachingThem)
{
    doc.Undo().SetLevels(20);
    Stroke(10, 4, 10, 10);
    ASSERT_TRUE(edits().Copy(true));
    ASSERT_TRUE(edits().Paste(true));
    const int end = view->ShownCount();
    view->BrowseTo(end - 2);
    view->History().ForgetDrawingUndo();
    ASSERT_EQ(doc.Undo().Action(), kUndoPaste);
    Stroke(90, 3, 50, 50);
    EXPECT_EQ(doc.Undo().UndoCount(), 1) << "the paste's run was cut short";
    view->History().Undo();
    view->History().Undo();
    EXPECT_EQ(doc.GetGlobCount(), end - 2 + 3);
}

TEST_F(UndoLevels, FewerLevelsKeepTheNewestSteps)
{
    doc.Undo().SetLevels(20);
    for (int i = 0; i < 5; ++i)
        Stroke(10 + 40 * i, 3, 10 + 20 * i, 10);
    view->History().Undo();
    doc.Undo().SetLevels(3);
    EXPECT_EQ(doc.Undo().UndoCount() + doc.Undo().RedoCount(), 3);
    EXPECT_EQ(doc.Undo().RedoAction(), kUndoDrawing);
    doc.Undo().SetLevels(1);
    // One level: the last done step, toggled by Undo.
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    view->History().Undo();
    view->History().Undo();
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    doc.Undo().SetLevels(500);
    EXPECT_EQ(doc.Undo().Levels(), 100);
}

} // namespace
