#include "core/settings/CAutoChange.h"
#include "core/model/UndoKind.h"
#include "tests/core/support/DrawingFixture.h"
#include "core/commands/DrawingCommands.h"

using StrokeEngine = DrawingFixture;

TEST_F(StrokeEngine, FreehandStrokeAppendsEachMoveAndEndsASection)
{
    Drag({{10, 10}, {12, 11}, {15, 13}});
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{10, 10}, {12, 11}, {15, 13}}));
    EXPECT_EQ(view->ShownCount(), 3);
    EXPECT_EQ(view->PendingCount(), 3);
    EXPECT_EQ(doc.Sections().Count(), 1);
    EXPECT_EQ(doc.Sections().At(0), 3);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    // Moves without the button held draw nothing.
    stroke().MouseMove(50, 50, false);
    EXPECT_EQ(doc.GetGlobCount(), 3);
}

TEST_F(StrokeEngine, SkippingOneDrawsEveryOtherMoveAcrossStrokes)
{
    DrawingCommands::ApplySkipping(app.Modes(), true, 1, 1);
    ASSERT_EQ(app.Drawing().m_skippingAmount, 1);
    Drag({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
    // The button-down glob and moves 2 and 4 draw; moves 1, 3, 5 are skipped.
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{0, 0}, {2, 0}, {4, 0}}));
    EXPECT_TRUE(view->PlacementSkipped());
    // The count carries over: move 5 was skipped, so the next stroke's first move draws.
    Drag({{50, 50}, {51, 50}, {52, 50}});
    EXPECT_EQ(Globs().back(), (CPoint{51, 50}));
    EXPECT_EQ(doc.GetGlobCount(), 5);
}

TEST_F(StrokeEngine, SkippingAmountIsSliderTimesMultiplier)
{
    DrawingCommands::ApplySkipping(app.Modes(), true, 7, 3);
    EXPECT_EQ(app.Drawing().m_skippingAmount, 21);
    EXPECT_EQ(app.Drawing().m_skipMultiplier, 3);
    EXPECT_EQ(DrawingCommands::SkippingSliderPosition(app.Drawing()), 7);
}

TEST_F(StrokeEngine, JitterThreePlacesTwoGlobsDisplacedCumulatively)
{
    app.Drawing().m_jitter = 1;
    app.Drawing().m_jitterAmount = 3;
    app.Random().Seed(42);
    CRandom expect(42);
    EXPECT_EQ(stroke().PlaceGlobs(100, 50, false, -1), 2);
    int x = 100, y = 50;
    for (int rep = 0; rep < 2; ++rep) {
        const int r1 = expect.Next(), r2 = expect.Next(), r3 = expect.Next(), r4 = expect.Next();
        x += r1 % 9 - r2 % 9;
        y += r3 % 9 - r4 % 9;
        EXPECT_EQ(Globs()[static_cast<size_t>(rep)], (CPoint{x, y}));
    }
    app.Drawing().m_jitterAmount = 8;
    EXPECT_EQ(stroke().PlaceGlobs(100, 50, false, -1), 4);
    app.Drawing().m_jitterAmount = 1;
    EXPECT_EQ(stroke().PlaceGlobs(100, 50, false, -1), 1);
}

TEST_F(StrokeEngine, LinesRowUsesSinglePrecisionSteps)
{
    DrawingCommands::ToggleLines(app.Modes(), view.get());
    ASSERT_EQ(app.Drawing().m_lineDensity, 4);
    stroke().ButtonDown(0, 0, false, false);
    stroke().ButtonUp();
    // The first click only sets the vertex: no glob, no section.
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(doc.Sections().Count(), 0);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing) << "every click that starts a stroke replaces the undo step";
    stroke().ButtonDown(20, 5, false, false);
    stroke().ButtonUp();
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{0, 0}, {6, 1}, {12, 3}, {18, 4}}));
    EXPECT_EQ(doc.Sections().Count(), 1);
    // Back to the left and up: negative steps, truncated toward zero (-1.3 gives -1).
    stroke().ButtonDown(0, -2, false, false);
    stroke().ButtonUp();
    std::vector<CPoint> g = Globs();
    ASSERT_EQ(g.size(), 8u);
    EXPECT_EQ(std::vector<CPoint>(g.begin() + 4, g.end()),
              (std::vector<CPoint>{{20, 5}, {14, 2}, {8, 0}, {2, -1}}));
    // Mostly vertical.
    stroke().ButtonDown(-10, -16, false, false);
    stroke().ButtonUp();
    g = Globs();
    ASSERT_EQ(g.size(), 11u);
    EXPECT_EQ(std::vector<CPoint>(g.begin() + 8, g.end()),
              (std::vector<CPoint>{{0, -2}, {-4, -8}, {-8, -14}}));
}

TEST_F(StrokeEngine, LinesClickOnTheVertexOrWithCtrlPlacesNothing)
{
    DrawingCommands::ToggleLines(app.Modes(), view.get());
    stroke().ButtonDown(30, 30, false, false);
    stroke().ButtonUp();
    stroke().ButtonDown(30, 30, false, false);
    stroke().ButtonUp();
    EXPECT_EQ(doc.GetGlobCount(), 0);
    stroke().ButtonDown(90, 30, false, true);
    stroke().ButtonUp();
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(stroke().LastLinePoint(), (CPoint{90, 30}));
}

TEST_F(StrokeEngine, RubberBandFollowsPointerUntilFrozen)
{
    DrawingCommands::ToggleLines(app.Modes(), view.get());
    EXPECT_FALSE(stroke().HasRubberBand());
    stroke().ButtonDown(10, 10, false, false);
    stroke().ButtonUp();
    EXPECT_TRUE(stroke().WaitingForPaint());
    EXPECT_FALSE(stroke().MouseMove(40, 40, false));
    view->Paint();
    EXPECT_FALSE(stroke().WaitingForPaint());
    EXPECT_FALSE(stroke().MouseMove(40, 40, true));
    EXPECT_TRUE(stroke().MouseMove(40, 20, false));
    auto band = stroke().RubberBand();
    ASSERT_EQ(band.size(), 1u);
    EXPECT_EQ(band[0].first, (CPoint{10, 10}));
    EXPECT_EQ(band[0].second, (CPoint{40, 20}));
    DrawingCommands::ToggleLines(app.Modes(), view.get());
    EXPECT_TRUE(stroke().RubberBand().empty());
    // Switching Lines on again starts a new polyline.
    DrawingCommands::ToggleLines(app.Modes(), view.get());
    EXPECT_EQ(stroke().LastLinePoint().x, -1);
}

TEST_F(StrokeEngine, ClickFarOutsideIsIgnoredUnlessShift)
{
    stroke().ButtonDown(221, 50, false, false);
    stroke().ButtonUp();
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(doc.Sections().Count(), 0);
    // On the limit the click counts but the document refuses a glob that far out.
    stroke().ButtonDown(220, 50, false, false);
    stroke().MouseMove(219, 50, false);
    stroke().MouseMove(230, 50, false);
    stroke().MouseMove(150, 50, false);
    stroke().ButtonUp();
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{219, 50}, {150, 50}}));
}

TEST_F(StrokeEngine, ShapeChangeBetweenStrokesRecordsAColourChange)
{
    Drag({{10, 10}, {20, 10}});
    CShapeTable& shapes = app.ShapeTable();
    shapes.m_currentShape = 3;
    shapes.Current().m_hue = 200;
    Drag({{30, 30}, {40, 30}});
    ASSERT_TRUE(doc.HasColorChangeAt(2));
    EXPECT_EQ(doc.GetColorChangeHue(2), 200);
    EXPECT_EQ(doc.GetGlob(2).m_shape, 3);
    // Same shape, same colour: nothing new is recorded.
    const int changes = doc.GetColorChangeCount();
    Drag({{50, 30}});
    EXPECT_EQ(doc.GetColorChangeCount(), changes);
    // Same shape with a colour picked in between: recorded at the stroke's first glob.
    shapes.Current().m_value = 90;
    Drag({{60, 30}});
    ASSERT_TRUE(doc.HasColorChangeAt(5));
    EXPECT_EQ(doc.GetColorChangeValue(5), 90);
}

TEST_F(StrokeEngine, AutoHueStepsOncePerRequestAtItsFirstGlob)
{
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 3;
    app.CurrentShape().m_hue = 100;
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    const std::vector<HsvColor>& shown = observer.colorsShown;
    std::vector<CPoint> pts;
    for (int i = 0; i < 13; ++i)
        pts.push_back({60 + i, 40});
    Drag(pts);
    ASSERT_EQ(doc.GetGlobCount(), 39);
    // Requests 6 and 12 step the hue; each change sits on that request's first glob.
    EXPECT_TRUE(doc.HasColorChangeAt(15));
    EXPECT_EQ(doc.GetColorChangeHue(15), 105);
    EXPECT_TRUE(doc.HasColorChangeAt(33));
    EXPECT_EQ(doc.GetColorChangeHue(33), 110);
    EXPECT_EQ(doc.GetColorChangeCount(), 3);
    EXPECT_EQ(app.CurrentShape().m_hue, 110);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].m_hue, 110);
    // Pattern stamping asks for no step.
    for (int i = 0; i < 10; ++i)
        stroke().PlaceGlobs(10, 10, false, -2);
    EXPECT_EQ(app.CurrentShape().m_hue, 110);
}

TEST_F(StrokeEngine, RefusedRequestsDoNotStepTheColour)
{
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(stroke().PlaceGlobs(500, 500, false, -1), 0);
    EXPECT_EQ(view->ColorTicks()[0], 0);
    EXPECT_EQ(app.CurrentShape().m_hue, 0);
}

TEST_F(StrokeEngine, UndoImageHoldsWhatWasShownAtStrokeStart)
{
    view->Paint();
    Drag({{50, 50}, {60, 50}});
    // No paint ran between the strokes: the second stroke brings the image up to date first.
    Drag({{100, 50}});
    EXPECT_EQ(view->UndoImageCount(), 2);
    EXPECT_NE(view->UndoImage().At(50, 50), view->UndoImage().At(5, 5));
}
