#include "core/settings/CAutoChange.h"
#include "tests/core/view/edit/GlobEditFixture.h"
#include <functional>
#include <tuple>

namespace {
class GlobClipboard : public GlobEditFixture {
protected:
    // A second drawing of the same program, 60 x 40 larger, so its centre lies (30, 20) further.
    CDaubrixDoc doc2{app.ShapeTable(), &host};
    std::unique_ptr<CDaubrixView> view2;

    void SetUp() override
    {
        GlobEditFixture::SetUp();
        doc2.SetWidth(260);
        doc2.SetHeight(140);
        view2 = std::make_unique<CDaubrixView>(app, doc2);
        view2->OnInitialUpdate();
    }
    std::vector<CPoint> GlobsOf(const CDaubrixDoc& d) const
    {
        std::vector<CPoint> out;
        for (const CGlob& g : d.Globs())
            out.push_back({g.X(), g.Y()});
        return out;
    }
};
} // namespace

TEST_F(GlobClipboard, PasteStaysOffUntilSomethingIsCopied)
{
    EXPECT_FALSE(edits().CanPaste());
    EXPECT_FALSE(edits().Copy(true));   // nothing shown
    EXPECT_FALSE(edits().Paste(true));
    Stroke(10, 3, 10, 10);
    ASSERT_TRUE(edits().Copy(true));
    EXPECT_TRUE(edits().CanPaste());
    EXPECT_TRUE(view2->Edits().CanPaste());
    EXPECT_EQ(GlobsOf(doc).size(), 3u);   // Copy leaves the drawing alone
}

TEST_F(GlobClipboard, LastSectionPastedIntoAnotherDrawingMovesByTheCentres)
{
    ThreeStrokes();
    ASSERT_TRUE(edits().Copy(false));
    ASSERT_TRUE(view2->Edits().Paste(true));
    std::vector<CPoint> want;
    for (int i = 9; i < 15; ++i)
        want.push_back({doc.GetGlob(i).X() + 30, doc.GetGlob(i).Y() + 20});
    EXPECT_EQ(GlobsOf(doc2), want);
    EXPECT_EQ(view2->ShownCount(), 6);
    EXPECT_EQ(doc2.GetColorChangeHue(0), 250);
    EXPECT_EQ(doc2.Undo().Kind(), kUndoPaste);
    EXPECT_EQ(doc2.Sections().Count(), 1);
    EXPECT_EQ(doc2.Sections().At(0), 6);
}

TEST_F(GlobClipboard, TheClipboardOutlivesTheDrawingItCameFrom)
{
    Stroke(10, 3, 10, 10);
    ASSERT_TRUE(edits().Copy(true));
    view.reset();
    EXPECT_TRUE(view2->Edits().Paste(true));
    EXPECT_EQ(doc2.GetGlobCount(), 3);
}

TEST_F(GlobClipboard, CutOfTheShownPartKeepsTheColourOfTheGlobsAfterIt)
{
    ThreeStrokes();
    view->BrowseTo(9);
    ASSERT_TRUE(edits().Cut(true));
    EXPECT_EQ(doc.GetGlobCount(), 6);
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc.GetColorChangeHue(0), 250);
    EXPECT_EQ(doc.Sections().Floor(), 0);
    EXPECT_EQ(doc.Sections().Count(), 1);
    EXPECT_EQ(doc.Sections().At(0), 6);
    view->BrowseTo(6);
    EXPECT_TRUE(Rendered() == Replayed());
    // A stroke drawn after cutting everything keeps the colour that was in force.
    view->BrowseTo(0);
    EXPECT_FALSE(edits().Cut(true));
    Stroke(250, 2, 100, 80);
    EXPECT_EQ(doc.GetColorChangeHue(0), 250);
}

TEST_F(GlobClipboard, CutOfTheLastSectionTakesOnlyItsBoundary)
{
    ThreeStrokes();
    ASSERT_TRUE(edits().Cut(false));
    EXPECT_EQ(doc.GetGlobCount(), 9);
    EXPECT_EQ(view->ShownCount(), 9);
    EXPECT_EQ(State().sections, (std::vector<int>{4, 9}));
    EXPECT_EQ(app.Clipboard().m_clipboard.m_globs.size(), 6u);
    EXPECT_EQ(doc.Undo().Kind(), kUndoCut);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(GlobClipboard, PasteBehindTheHistoryPositionKeepsTheHiddenGlobsHidden)
{
    ThreeStrokes();
    ASSERT_TRUE(edits().Copy(false));
    view->MoveCenter({view->Center().x + 1, view->Center().y});
    view->BrowseTo(4);
    const std::vector<CPoint> before = GlobsOf(doc);
    ASSERT_TRUE(edits().Paste(true));
    const std::vector<CPoint> after = GlobsOf(doc);
    ASSERT_EQ(after.size(), 21u);
    EXPECT_EQ(view->ShownCount(), 10);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(after[4 + i], (CPoint{before[9 + i].x + 1, before[9 + i].y})) << i;
    EXPECT_TRUE(std::equal(before.begin() + 4, before.end(), after.begin() + 10));
    EXPECT_EQ(State().sections, (std::vector<int>{4, 10, 15, 21}));
    // The hidden strokes come back in their own colours.
    EXPECT_EQ(doc.GetColorChangeHue(10), 130);
    EXPECT_EQ(doc.GetColorChangeHue(15), 250);
    view->BrowseTo(21);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(GlobClipboard, PasteWithNewColoursTakesTheShapesCurrentColours)
{
    ThreeStrokes();
    view->BrowseTo(9);
    ASSERT_TRUE(edits().Copy(true));   // shape 0, then shape 3
    app.ShapeTable().Shape(0).m_hue = 60;
    app.ShapeTable().Shape(3).m_hue = 300;
    ASSERT_TRUE(view2->Edits().Paste(false));
    // One change per shape switch, and the colour in force kept after the run.
    std::vector<int> positions;
    for (const CColorChange& c : doc2.ColorChanges())
        positions.push_back(static_cast<int>(c.m_position));
    EXPECT_EQ(positions, (std::vector<int>{0, 4, 9}));
    EXPECT_EQ(doc2.GetColorChangeHue(0), 60);
    EXPECT_EQ(doc2.GetColorChangeHue(4), 300);
}

TEST_F(GlobClipboard, PasteWithTheColourDriftOnStepsTheColourAsIfDrawnNow)
{
    ThreeStrokes();
    ASSERT_TRUE(edits().Copy(true));
    app.AutoColor().m_autoHue = kAutoUp;
    app.AutoColor().m_autoHueSpeed = 10;
    app.AutoColor().m_hueStep = 5;
    // In the middle a glob beyond the drawing's edge is refused, as a stroke would refuse it.
    app.Clipboard().m_clipboard.m_globs[1].m_x = 500;
    view->BrowseTo(4);
    const int hueBefore = app.ShapeTable().Shape(0).m_hue;
    ASSERT_TRUE(edits().Paste(false));
    EXPECT_EQ(doc.GetGlobCount(), 15 + 14);
    EXPECT_EQ(view->ShownCount(), 18);
    // The hidden strokes behind the run keep their colours.
    EXPECT_EQ(doc.GetColorChangeHue(18), 130);
    EXPECT_EQ(doc.GetColorChangeHue(23), 250);
    EXPECT_NE(app.ShapeTable().Shape(0).m_hue, hueBefore);
    EXPECT_FALSE(observer.colorsShown.empty());
    ASSERT_TRUE(doc.HasColorChangeAt(4));
    view->BrowseTo(29);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(GlobClipboard, FillingTheClipboardForgetsUndoCutAndRedoPasteEverywhere)
{
    view2->Stroke().ButtonDown(30, 30, false, false);
    view2->Stroke().ButtonUp();
    ThreeStrokes();
    ASSERT_TRUE(edits().Cut(false));
    ASSERT_TRUE(view2->Edits().Paste(true));
    view2->History().Undo();
    ASSERT_EQ(doc2.Undo().Kind(), RedoKind(kUndoPaste));
    ASSERT_EQ(doc.Undo().Kind(), kUndoCut);
    // Both steps would now insert what another drawing copied.
    ASSERT_TRUE(view2->Edits().Copy(true));
    EXPECT_EQ(doc.Undo().Kind(), kUndoNone);
    EXPECT_EQ(doc2.Undo().Kind(), kUndoNone);
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo\tCtrl+Z");
    // Other steps do not depend on the clipboard.
    Stroke(20, 2, 50, 50);
    ASSERT_TRUE(view2->Edits().DefinePattern(true));
    ASSERT_TRUE(view2->Edits().Copy(true));
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
}

TEST_F(GlobClipboard, RedoCutAfterTheClipboardWasRefilledStillUndoesToTheSameDrawing)
{
    view2->Stroke().ButtonDown(30, 30, false, false);
    view2->Stroke().ButtonUp();
    ThreeStrokes();
    const DocState before = State();
    ASSERT_TRUE(edits().Cut(false));
    const DocState cut = State();
    view->History().Undo();
    ASSERT_EQ(doc.Undo().Kind(), RedoKind(kUndoCut));
    ASSERT_TRUE(view2->Edits().Copy(true));   // one glob of the other drawing
    view->History().Undo();                   // redo the cut
    EXPECT_EQ(State(), cut);
    EXPECT_EQ(app.Clipboard().m_clipboard.m_globs.size(), 6u);
    view->History().Undo();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(GlobClipboard, AGlobMovedBeyondTheStoredRangeIsLeftOut)
{
    Stroke(10, 3, 10, 10);
    ASSERT_TRUE(edits().Copy(true));
    // A centre far to the right takes the first glob past 32767, not round to the far left.
    app.Clipboard().m_clipboard.m_globs[0].m_x = 30000;
    view2->MoveCenter({view2->Center().x + 3000, view2->Center().y});
    ASSERT_TRUE(view2->Edits().Paste(true));
    ASSERT_EQ(doc2.GetGlobCount(), 2);
    for (const CGlob& g : doc2.Globs())
        EXPECT_GT(g.X(), 3000);
    EXPECT_EQ(doc2.GetColorChangeHue(0), 10);
}

TEST_F(GlobClipboard, PasteIntoAClearedDrawingStartsItAfresh)
{
    Stroke(10, 3, 10, 10);
    ASSERT_TRUE(edits().Copy(true));
    Stroke(20, 4, 10, 50);
    view->SetClearPending(true);
    view->BrowseTo(0);
    ASSERT_TRUE(edits().Paste(true));
    EXPECT_EQ(doc.GetGlobCount(), 3);
    EXPECT_FALSE(view->ClearPending());
    EXPECT_EQ(State().sections, (std::vector<int>{3}));
}

// Undo then Redo of every action gives back the same document and the same picture.
namespace {
struct Action {
    const char* name;
    bool copyFirst;
    std::function<bool(CGlobEdits&)> run;
};
const Action kActions[] = {
    {"LightEntire", false, [](CGlobEdits& e) { return e.SimulateDepth({true, true, 0, 25}); }},
    {"ChromaLastSection", false, [](CGlobEdits& e) { return e.SimulateDepth({false, false, 3, 20}); }},
    {"CutEntire", false, [](CGlobEdits& e) { return e.Cut(true); }},
    {"CutLastSection", false, [](CGlobEdits& e) { return e.Cut(false); }},
    {"PastePreserving", true, [](CGlobEdits& e) { return e.Paste(true); }},
    {"PasteNewColours", true, [](CGlobEdits& e) { return e.Paste(false); }},
};

class UndoRedoRoundTrip : public GlobEditFixture, public ::testing::WithParamInterface<std::tuple<int, bool>> {};
} // namespace

TEST_P(UndoRedoRoundTrip, GivesBackTheSameDrawingAndPicture)
{
    const auto [index, movedBack] = GetParam();
    const Action& action = kActions[index];
    ThreeStrokes();
    if (action.copyFirst) {
        ASSERT_TRUE(edits().Copy(false));
    }
    if (movedBack)
        view->BrowseTo(7);
    const DocState s0 = State();
    const CImage32 i0 = Rendered();
    ASSERT_TRUE(i0 == Replayed());

    ASSERT_TRUE(action.run(edits()));
    const DocState s1 = State();
    const int kind = doc.Undo().Kind();
    const CImage32 i1 = Rendered();
    EXPECT_TRUE(i1 == Replayed());
    ASSERT_NE(s1, s0);

    view->History().Undo();
    EXPECT_EQ(State(), s0);
    EXPECT_TRUE(Rendered() == i0);
    EXPECT_EQ(doc.Undo().Kind(), kind + 6);

    view->History().Undo();
    EXPECT_EQ(State(), s1);
    EXPECT_TRUE(Rendered() == i1);
    EXPECT_EQ(doc.Undo().Kind(), kind);
}

INSTANTIATE_TEST_SUITE_P(Actions, UndoRedoRoundTrip,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(kActions))), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(kActions[std::get<0>(info.param)].name)
                                    + (std::get<1>(info.param) ? "MovedBack" : "AtTheEnd");
                         });
