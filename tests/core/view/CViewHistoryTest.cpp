#include "core/model/UndoKind.h"
#include "tests/core/support/DrawingFixture.h"
#include <string>

using ViewHistory = DrawingFixture;

TEST(UndoMenu, TableAndEnableRule)
{
    EXPECT_EQ(std::string(UndoMenuFor(0).text), "&Undo\tCtrl+Z");
    EXPECT_FALSE(UndoMenuFor(0).enabled);
    EXPECT_EQ(std::string(UndoMenuFor(kUndoDrawing).text), "&Undo Drawing\tCtrl+Z");
    EXPECT_EQ(std::string(UndoMenuFor(kUndoClear).text), "&Undo Clear Drawing\tCtrl+Z");
    EXPECT_EQ(std::string(UndoMenuFor(RedoKind(kUndoDepth)).text), "&Redo Simulate Depth\tCtrl+Z");
    EXPECT_EQ(std::string(UndoMenuFor(RedoKind(kUndoPaste)).text), "&Redo Paste\tCtrl+Z");
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(UndoMenuFor(k).enabled) << k;
    EXPECT_FALSE(UndoMenuFor(13).enabled);
}

TEST_F(ViewHistory, UndoFirstStrokeGoesToFloorAndRedoBringsItBack)
{
    Drag({{10, 10}, {20, 20}, {30, 30}});
    view->Paint();
    const CImage32 drawn = view->DrawingImage();
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo Drawing\tCtrl+Z");
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc.GetGlobCount(), 3);
    EXPECT_EQ(doc.Undo().Kind(), RedoKind(kUndoDrawing));
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Redo Drawing\tCtrl+Z");
    view->Paint();
    EXPECT_EQ(view->DrawingImage().At(20, 20), view->DrawingImage().At(100, 90));
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 3);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    view->Paint();
    EXPECT_TRUE(view->DrawingImage() == drawn);
}

TEST_F(ViewHistory, UndoBetweenBoundariesGoesToTheLowerOne)
{
    Drag({{10, 10}, {11, 10}});
    Drag({{20, 10}, {21, 10}, {22, 10}});
    Drag({{30, 10}});
    ASSERT_EQ(doc.Sections().Count(), 3);
    view->BrowseTo(4);   // between the boundaries 2 and 5
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 2);
}

TEST_F(ViewHistory, UndoBelowTheUndoImageReplaysFromTheStart)
{
    Drag({{10, 10}, {11, 10}});
    view->Paint();
    Drag({{60, 60}, {61, 60}, {62, 60}});
    view->Paint();
    ASSERT_EQ(view->UndoImageCount(), 2);
    view->BrowseTo(4);
    view->History().Undo();
    ASSERT_EQ(view->ShownCount(), 2);
    view->Paint();
    // The first stroke is still on screen, the second is not.
    EXPECT_NE(view->DrawingImage().At(10, 10), view->DrawingImage().At(150, 90));
    EXPECT_EQ(view->DrawingImage().At(61, 60), view->DrawingImage().At(150, 90));
}

TEST_F(ViewHistory, NewStrokeAfterUndoTruncatesTheHiddenGlobs)
{
    Drag({{10, 10}, {11, 10}});
    Drag({{20, 10}, {21, 10}, {22, 10}});
    app.CurrentShape().m_hue = 77;
    view->History().Undo();
    ASSERT_EQ(view->ShownCount(), 2);
    Drag({{40, 40}});
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{10, 10}, {11, 10}, {40, 40}}));
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    // The colour in force is recorded at the cut, the boundary of the hidden stroke is gone.
    EXPECT_EQ(doc.GetColorChangeHue(2), 77);
    EXPECT_EQ(doc.Sections().Count(), 2);
    EXPECT_EQ(doc.Sections().At(0), 2);
    EXPECT_EQ(doc.Sections().At(1), 3);
}

TEST_F(ViewHistory, TruncateBetweenBoundariesCutsTheSectionThere)
{
    Drag({{10, 10}, {11, 10}});
    Drag({{20, 10}, {21, 10}, {22, 10}});
    Drag({{30, 10}, {31, 10}});
    view->BrowseTo(3);
    const int sliderCalls = observer.historyChanges;
    view->History().TruncateHidden();
    EXPECT_EQ(doc.GetGlobCount(), 3);
    EXPECT_EQ(doc.Sections().Count(), 2);
    EXPECT_EQ(doc.Sections().At(1), 3);
    EXPECT_EQ(observer.historyChanges, sliderCalls + 1);
    EXPECT_EQ(host.waitDepth, 0);
    // Nothing hidden: nothing happens.
    view->History().TruncateHidden();
    EXPECT_EQ(observer.historyChanges, sliderCalls + 1);
}

TEST_F(ViewHistory, MoveCenterClickIsUndoneAndRedone)
{
    app.Drawing().m_lineMode = 1;
    stroke().ToggleMoveCenter();
    EXPECT_TRUE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(app.Drawing().m_lineMode, 0);
    stroke().ButtonDown(150, 20, false, false);
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    stroke().ButtonUp();
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(view->Center(), (CPoint{150, 20}));
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(doc.Sections().Count(), 0);
    EXPECT_EQ(doc.Undo().Kind(), kUndoMoveCenter);
    view->History().Undo();
    EXPECT_EQ(view->Center(), (CPoint{97, 48}));
    EXPECT_EQ(doc.Undo().Kind(), RedoKind(kUndoMoveCenter));
    view->History().Undo();
    EXPECT_EQ(view->Center(), (CPoint{150, 20}));
    stroke().ResetCenter();
    EXPECT_EQ(view->Center(), (CPoint{97, 48}));
}

TEST_F(ViewHistory, EscapeLeavesMoveCenterRestoringLines)
{
    app.Drawing().m_lineMode = 1;
    stroke().ToggleMoveCenter();
    EXPECT_TRUE(stroke().LeaveOneShotMode());
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    EXPECT_FALSE(stroke().LeaveOneShotMode());
    // A view created while the mode is on switches it off.
    stroke().ToggleMoveCenter();
    CDaubrixView other(app, doc);
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
}

TEST_F(ViewHistory, SliderMoveForgetsOnlyDrawingUndo)
{
    Drag({{10, 10}});
    view->History().ForgetDrawingUndo();
    EXPECT_EQ(doc.Undo().Kind(), kUndoNone);
    doc.Undo().Restore(kUndoMoveCenter);
    view->History().ForgetDrawingUndo();
    EXPECT_EQ(doc.Undo().Kind(), kUndoMoveCenter);
}

TEST_F(ViewHistory, UndoDispatchesToTheStepRegisteredForTheKind)
{
    // A feature's own step: undo and redo alternate and the menu follows the kind.
    struct ClearStep : IUndoStep {
        std::vector<char>& calls;
        explicit ClearStep(std::vector<char>& c) : calls(c) {}
        UndoKind Kind() const override { return kUndoClear; }
        void Undo() override { calls.push_back('u'); }
        void Redo() override { calls.push_back('r'); }
    };
    std::vector<char> calls;
    view->History().Register(std::make_unique<ClearStep>(calls));
    doc.Undo().Restore(kUndoClear);
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo Clear Drawing\tCtrl+Z");
    view->History().Undo();
    EXPECT_EQ(doc.Undo().Kind(), RedoKind(kUndoClear));
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Redo Clear Drawing\tCtrl+Z");
    view->History().Undo();
    EXPECT_EQ(doc.Undo().Kind(), kUndoClear);
    EXPECT_EQ(calls, (std::vector<char>{'u', 'r'}));

    // A kind outside the table has no step: plain text, and the command leaves it alone.
    constexpr int kOutside = 2 * kUndoActionCount + 1;
    doc.Undo().Restore(kOutside);
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo\tCtrl+Z");
    view->History().Undo();
    EXPECT_EQ(doc.Undo().Kind(), kOutside);
}
