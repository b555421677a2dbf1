#include "core/model/UndoKind.h"
#include "core/panels/CHistorySlider.h"
#include "core/commands/ViewCommands.h"
#include "tests/core/support/DrawingFixture.h"

namespace {
struct SamplingObserver : RecordingObserver {
    std::vector<HsvColor> colors, shapes;
    void ColorSampled(HsvColor c) override { colors.push_back(c); }
    void ShapeSampled(HsvColor c) override { shapes.push_back(c); }
};
} // namespace

class ViewCommandsTest : public DrawingFixture {
protected:
    SamplingObserver sampling;
    void SetUp() override
    {
        DrawingFixture::SetUp();
        view->SetObserver(&sampling);
    }
    CShapeTable& shapes() { return app.ShapeTable(); }
    void UseShape(char family, int size, HsvColor c)
    {
        shapes().m_currentShape = static_cast<uint8_t>(shapes().FindShape(family, size));
        view->RecordCurrentColor(c);
    }
    void Click(int x, int y)
    {
        stroke().ButtonDown(x, y, false, false);
        stroke().ButtonUp();
    }
    HsvColor Current() { return {app.CurrentShape().m_hue, app.CurrentShape().m_saturation, app.CurrentShape().m_value}; }
};

TEST_F(ViewCommandsTest, ClearUndoRedoAndTheStrokeAfterAClear)
{
    Drag({{10, 10}, {20, 20}});
    Drag({{50, 50}, {60, 50}, {70, 50}});
    view->BrowseTo(4);   // the user looks back a little before clearing
    view->Paint();
    const CImage32 before = view->DrawingImage();
    const auto colors = doc.ColorChanges();

    ViewCommands::ClearNow(*view);
    view->Paint();
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc.GetGlobCount(), 5) << "nothing deleted yet";
    EXPECT_EQ(doc.Undo().Kind(), kUndoClear);
    EXPECT_EQ(std::string(view->History().MenuState().text), "&Undo Clear Drawing\tCtrl+Z");
    EXPECT_TRUE(view->DrawingImage() == CImage32(200, 100, ColorRefToPixel(doc.BackgroundColor())));
    CHistorySlider slider;
    slider.Rebuild(*view);
    EXPECT_EQ(slider.Maximum(), 0);
    EXPECT_TRUE(slider.Ticks().empty());
    // A colour chosen while cleared lands at position 0 and goes with Undo.
    view->RecordCurrentColor({200, 100, 100});

    view->History().Undo();
    view->Paint();
    EXPECT_EQ(doc.Undo().Kind(), RedoKind(kUndoClear));
    EXPECT_EQ(view->ShownCount(), 4);
    EXPECT_EQ(doc.Sections().Count(), 2);
    EXPECT_TRUE(view->DrawingImage() == before) << "the drawing is back unchanged";
    EXPECT_EQ(doc.ColorChanges(), colors);
    slider.Rebuild(*view);
    EXPECT_EQ(slider.Maximum(), 5);
    EXPECT_EQ(slider.Position(), 4);
    EXPECT_EQ(slider.Ticks(), (std::vector<int>{2, 5}));

    view->History().Undo();   // Redo Clear
    EXPECT_EQ(doc.Undo().Kind(), kUndoClear);
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_TRUE(view->ClearPending());

    Drag({{100, 60}, {110, 60}});
    EXPECT_FALSE(view->ClearPending());
    EXPECT_EQ(Globs(), (std::vector<CPoint>{{100, 60}, {110, 60}})) << "the old globs are gone for good";
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    EXPECT_EQ(doc.Sections().Count(), 1);
}

TEST_F(ViewCommandsTest, ClearLeavesTheOneShotModesAndGivesLinesBack)
{
    Drag({{10, 10}});
    app.Drawing().m_lineMode = 1;
    ViewCommands::ToggleSampleShape(*view);
    EXPECT_EQ(app.Drawing().m_lineMode, 0);
    ViewCommands::ToggleSampleColor(*view);   // from one sampling mode to the other
    EXPECT_TRUE(app.Modes().IsOn(CDrawingModes::kSampleColor));
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kSampleShape));
    ViewCommands::ClearNow(*view);
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kSampleColor));
    EXPECT_EQ(app.Drawing().m_lineMode, 1) << "Lines as it was before the first mode";
}

TEST_F(ViewCommandsTest, SampleColorTakesTheLaterGlobOrThePicture)
{
    UseShape('A', 1, {120, 255, 255});
    Drag({{40, 40}});
    UseShape('A', 1, {240, 200, 180});
    Drag({{44, 42}});
    app.Drawing().m_lineMode = 1;
    UseShape('B', 1, {10, 10, 10});

    ViewCommands::ToggleSampleColor(*view);
    EXPECT_EQ(stroke().Cursor(), ToolCursor::Sample);
    Click(42, 41);   // both globs lie under the pointer
    EXPECT_EQ(Current(), (HsvColor{240, 200, 180}));
    EXPECT_EQ(sampling.colors, (std::vector<HsvColor>{{240, 200, 180}}));
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kSampleColor)) << "one click only";
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    EXPECT_EQ(doc.GetGlobCount(), 2) << "the click draws nothing";
    EXPECT_EQ(doc.Sections().Count(), 2) << "and ends no section";
    EXPECT_TRUE(doc.HasColorChangeAt(2)) << "the colour is recorded for the next stroke";

    // No glob there: the picture's colour, a red background.
    doc.SetBackgroundColor(MakeColorRef(255, 0, 0));
    view->Regenerate();
    ViewCommands::ToggleSampleColor(*view);
    Click(180, 90);
    EXPECT_EQ(Current(), (HsvColor{0, 255, 255}));
}

TEST_F(ViewCommandsTest, SampleShapeTakesTheShapeWithItsFamilysColour)
{
    shapes().SelectShapeSize('B', 1);
    UseShape('B', 2, {50, 60, 70});   // a large B drawn, then the family shown at medium
    Drag({{100, 50}});
    shapes().SelectShapeSize('B', 1);
    shapes().Shape(shapes().FindShape('B', 1)).m_hue = 77;
    UseShape('A', 0, {1, 2, 3});

    ViewCommands::ToggleSampleShape(*view);
    Click(190, 90);   // nothing there: nothing happens
    EXPECT_EQ(shapes().m_currentShape, shapes().FindShape('A', 0));
    ViewCommands::ToggleSampleShape(*view);
    Click(103, 47);
    const int large = shapes().FindShape('B', 2);
    EXPECT_EQ(shapes().m_currentShape, large);
    EXPECT_TRUE(shapes().Shape(large).m_shown);
    EXPECT_FALSE(shapes().Shape(shapes().FindShape('B', 1)).m_shown) << "the family now shows the sampled size";
    EXPECT_EQ(Current().m_hue, 77) << "the colour the family showed";
    ASSERT_EQ(sampling.shapes.size(), 1u);
    EXPECT_EQ(sampling.shapes[0], Current());
    EXPECT_EQ(doc.GetColorChangeHue(1), 77);
}

TEST_F(ViewCommandsTest, BackgroundColorRepaintsWithoutTouchingTheGlobs)
{
    Drag({{20, 20}, {30, 20}});
    view->Paint();
    doc.SetModifiedFlag(false);
    ViewCommands::SetBackgroundColor(*view, {120, 255, 255});
    view->Paint();
    EXPECT_EQ(doc.BackgroundColor(), MakeColorRef(0, 255, 0));
    EXPECT_EQ(view->DrawingImage().At(150, 80), MakePixel(0, 255, 0));
    EXPECT_EQ(doc.GetGlobCount(), 2);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing) << "not an undoable step";
    EXPECT_TRUE(doc.IsModified()) << "stored with the drawing, so closing asks";
}

TEST_F(ViewCommandsTest, LinesSurvivesMoveCenterChosenWhileSampling)
{
    app.Drawing().m_lineMode = 1;
    ViewCommands::ToggleSampleColor(*view);
    stroke().ToggleMoveCenter();
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kSampleColor)) << "one one-shot mode at a time";
    EXPECT_TRUE(stroke().LeaveOneShotMode());
    EXPECT_EQ(app.Drawing().m_lineMode, 1);

    ViewCommands::ToggleSampleShape(*view);
    stroke().ToggleMoveCenter();
    Click(30, 30);   // the Move Center click ends it
    EXPECT_FALSE(app.Modes().AnyOneShot());
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
}

TEST_F(ViewCommandsTest, LinesSurvivesADrawingOpenedWhileAOneShotModeWaits)
{
    app.Drawing().m_lineMode = 1;
    ViewCommands::ToggleSampleShape(*view);
    ASSERT_EQ(app.Drawing().m_lineMode, 0);
    CDaubrixDoc other(app.ShapeTable(), &host);
    CDaubrixView second(app, other);
    EXPECT_FALSE(app.Modes().AnyOneShot());
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
}
