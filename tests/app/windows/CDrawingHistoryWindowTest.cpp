#include "tests/app/support/Shots.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/widgets/CTickSlider.h"
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct HistoryWindowFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    CDrawingHistoryWindow win;
    int shapeRepaints = 0;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(40);
        doc->SetHeight(40);
        for (int i = 0; i < 400; ++i)
            doc->AddGlob(5 + i % 30, 5 + i % 25);
        for (int b : {100, 250, 400})
            doc->AddSection(b);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
        win.m_activeView = [this] { return view.get(); };
        win.m_shapesChanged = [this] { ++shapeRepaints; };
        win.Reload();
    }
    CTickSlider& Slider() { return *win.Slider(); }
};
} // namespace

TEST_F(HistoryWindowFixture, ReloadShowsRangeThumbAndTicks)
{
    EXPECT_EQ(win.windowTitle(), "Drawing History");
    EXPECT_EQ(Slider().minimum(), 0);
    EXPECT_EQ(Slider().maximum(), 400);
    EXPECT_EQ(Slider().value(), 400);
    EXPECT_EQ(Slider().Ticks(), (std::vector<int>{100, 250, 400}));
    EXPECT_EQ(win.PreviousButton()->toolTip(), "Previous section");
    EXPECT_EQ(win.NextButton()->toolTip(), "Next section");
    EXPECT_FALSE(win.PreviousButton()->icon().isNull());

    // The ticks are painted at their values along the groove.
    win.show();
    const QImage img = GrabFor(win, "drawing_history_window");
    const QPoint origin = Slider().mapTo(&win, QPoint(0, 0));
    const QRgb ink = Slider().palette().color(QPalette::WindowText).rgb();
    for (int v : {100, 250}) {
        const int x = origin.x() + Slider().TickX(v);
        EXPECT_EQ(img.pixel(x, origin.y() + Slider().height() - 1), ink) << v;
    }
    EXPECT_LT(Slider().TickX(100), Slider().TickX(250));

    win.m_activeView = [] { return static_cast<CDaubrixView*>(nullptr); };
    win.Reload();
    EXPECT_EQ(Slider().maximum(), 0);
    EXPECT_TRUE(Slider().Ticks().empty());
}

TEST_F(HistoryWindowFixture, SectionButtonsWalkTheBoundaries)
{
    win.PreviousButton()->click();
    EXPECT_EQ(view->ShownCount(), 250);
    EXPECT_EQ(Slider().value(), 250);
    win.PreviousButton()->click();
    EXPECT_EQ(view->ShownCount(), 100);
    win.PreviousButton()->click();
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(Slider().value(), 0);
    win.NextButton()->click();
    EXPECT_EQ(view->ShownCount(), 100);
    win.NextButton()->click();
    win.NextButton()->click();
    EXPECT_EQ(view->ShownCount(), 400);
    const int repaints = shapeRepaints;
    win.NextButton()->click();
    EXPECT_EQ(view->ShownCount(), 400);
    EXPECT_EQ(shapeRepaints, repaints) << "nothing beyond the last boundary";
}

TEST_F(HistoryWindowFixture, KeyboardMoveAppliesAndForgetsUndoDrawing)
{
    doc->Undo().Restore(RedoKind(kUndoDrawing));
    win.show();
    Slider().setFocus();
    QTest::keyClick(&Slider(), Qt::Key_Left);
    EXPECT_EQ(view->ShownCount(), 399);
    EXPECT_EQ(doc->Undo().Kind(), 0);
    // Other undo kinds survive.
    doc->Undo().Restore(kUndoClear);
    QTest::keyClick(&Slider(), Qt::Key_Home);
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc->Undo().Kind(), kUndoClear);
}

TEST_F(HistoryWindowFixture, DraggingSnapsAndAppliesOnRelease)
{
    // Span 300 gives a snap distance of 15.
    Slider().setSliderDown(true);
    Slider().setSliderPosition(240);
    EXPECT_EQ(Slider().sliderPosition(), 250);
    EXPECT_EQ(view->ShownCount(), 400) << "not applied while dragging";
    Slider().setSliderPosition(200);
    EXPECT_EQ(Slider().sliderPosition(), 200);
    Slider().setSliderDown(false);
    EXPECT_EQ(view->ShownCount(), 200);
    EXPECT_GT(shapeRepaints, 0);
}

TEST_F(HistoryWindowFixture, CloseOnlyHides)
{
    int closed = 0;
    win.m_onClosed = [&] { ++closed; };
    win.show();
    win.close();
    EXPECT_FALSE(win.isVisible());
    EXPECT_EQ(closed, 1);
}

// Play from the end starts at the floor; frames come from the time passed (given here, never
// waited for); a click on the slider stops it where it is; Play then goes on to the end.
TEST_F(HistoryWindowFixture, PlayRunsFromTheFloorAndStopsWhereItIs)
{
    win.m_playbackSeconds = [] { return 10; };
    doc->Undo().Restore(kUndoDrawing);
    EXPECT_EQ(win.PlayButton()->toolTip(), "Play");
    win.PlayButton()->click();
    ASSERT_TRUE(win.Playing());
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc->Undo().Kind(), kUndoNone) << "as a slider move";
    EXPECT_EQ(win.PlayButton()->toolTip(), "Stop");
    win.PlayFrame(5.0);
    EXPECT_EQ(view->ShownCount(), 200) << "halfway at half the length";
    EXPECT_EQ(Slider().value(), 200);
    view->Paint();
    win.PlayFrame(5.25);
    EXPECT_EQ(view->ShownCount(), 210);
    EXPECT_EQ(view->PendingCount(), 10) << "only the globs the frame adds are drawn";
    view->Paint();
    const CImage32 played = view->DrawingImage();
    view->Regenerate();
    view->Paint();
    EXPECT_TRUE(played == view->DrawingImage()) << "the picture a full replay draws";

    win.show();
    QTest::mouseClick(&Slider(), Qt::LeftButton, Qt::NoModifier, QPoint(Slider().width() - 5, Slider().height() / 2));
    EXPECT_FALSE(win.Playing());
    EXPECT_EQ(view->ShownCount(), 210) << "the click only stopped it";

    win.TogglePlay();
    ASSERT_TRUE(win.Playing());
    EXPECT_EQ(view->ShownCount(), 210) << "going on from where it stopped";
    win.PlayFrame(1.0);
    EXPECT_GT(view->ShownCount(), 210);
    win.PlayFrame(60.0);
    EXPECT_EQ(view->ShownCount(), 400);
    EXPECT_FALSE(win.Playing()) << "ended at the end";

    // A changed drawing stops it at the next frame.
    win.TogglePlay();
    EXPECT_EQ(view->ShownCount(), 0);
    doc->AddGlob(3, 3);
    win.PlayFrame(1.0);
    EXPECT_FALSE(win.Playing());
    EXPECT_EQ(view->ShownCount(), 0);
}
