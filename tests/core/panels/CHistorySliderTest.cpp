#include "core/shell/CDaubrixApp.h"
#include "core/panels/CHistorySlider.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace {
struct CountingWindow : IViewWindow {
    int invalidations = 0;
    void CopyToWindow(const CRect&) override {}
    void Invalidate() override { ++invalidations; }
};

struct SliderFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    CountingWindow window;
    CHistorySlider slider;

    void SetUp() override { LoadTestShapes(app.ShapeTable()); }

    // n globs with a boundary after each count in `bounds`, shown to the end and painted.
    void Make(int n, std::initializer_list<int> bounds)
    {
        view.reset();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(50);
        doc->SetHeight(50);
        for (int i = 0; i < n; ++i)
            doc->AddGlob(10 + i % 30, 10 + i % 20);
        for (int b : bounds)
            doc->AddSection(b);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->SetWindow(&window);
        view->OnInitialUpdate();
        view->Paint();
        slider.Rebuild(*view);
    }
    // Puts the undo image at `count` globs, as after a stroke that started there.
    void UndoImageAt(int count)
    {
        view->BrowseTo(count);
        view->Paint();
        view->SaveUndoImage();
        view->BrowseTo(doc->GetGlobCount());
        view->Paint();
    }
};
} // namespace

TEST_F(SliderFixture, RebuildTakesRangePositionAndTicksFromTheDrawing)
{
    Make(400, {100, 250, 400});
    EXPECT_EQ(slider.Minimum(), 0);
    EXPECT_EQ(slider.Maximum(), 400);
    EXPECT_EQ(slider.Position(), 400);
    EXPECT_EQ(slider.Ticks(), (std::vector<int>{100, 250, 400}));
    const int32_t bounds[] = {100, 250, 400};
    doc->LoadSections(100, 3, bounds);
    view->BrowseTo(150);
    slider.Rebuild(*view);
    EXPECT_EQ(slider.Minimum(), 100);
    EXPECT_EQ(slider.Position(), 150);
    slider.Reset();
    EXPECT_EQ(slider.Maximum(), 0);
    EXPECT_TRUE(slider.Ticks().empty());
}

TEST_F(SliderFixture, PreviousAndNextWalkTheBoundaries)
{
    Make(400, {100, 250, 400});
    int p = 400;
    p = CHistorySlider::PreviousTarget(*doc, p);
    EXPECT_EQ(p, 250);
    p = CHistorySlider::PreviousTarget(*doc, p);
    EXPECT_EQ(p, 100);
    p = CHistorySlider::PreviousTarget(*doc, p);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(CHistorySlider::PreviousTarget(*doc, 0), 0);
    EXPECT_EQ(CHistorySlider::NextTarget(*doc, 0), 100);
    EXPECT_EQ(CHistorySlider::NextTarget(*doc, 180), 250);
    EXPECT_EQ(CHistorySlider::NextTarget(*doc, 400), std::nullopt);
    // Between two boundaries Previous goes to the lower one; the floor stops it.
    const int32_t bounds[] = {100, 250, 400};
    doc->LoadSections(40, 3, bounds);
    EXPECT_EQ(CHistorySlider::PreviousTarget(*doc, 180), 100);
    EXPECT_EQ(CHistorySlider::PreviousTarget(*doc, 100), 40);
    doc->LoadSections(40, 0, nullptr);
    EXPECT_EQ(CHistorySlider::PreviousTarget(*doc, 180), 40);
    EXPECT_EQ(CHistorySlider::NextTarget(*doc, 0), std::nullopt);
}

TEST_F(SliderFixture, SnapDistanceIsFivePercentOfTheSpanAtLeastFive)
{
    Make(3000, {1000, 3000});
    EXPECT_EQ(CHistorySlider::SnapDistance(*doc), 100);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 901), 1000);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 1099), 1000);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 900), 900);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 1100), 1100);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 2950), 3000);

    Make(60, {20, 40});
    EXPECT_EQ(CHistorySlider::SnapDistance(*doc), 5);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 36), 40);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 35), 35);
}

TEST_F(SliderFixture, TinyDrawingsSnapOnlyOnExactBoundaries)
{
    Make(9, {3, 9});
    EXPECT_EQ(CHistorySlider::SnapDistance(*doc), 1);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 3), 3);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 4), 4);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 8), 8);
    Make(10, {3, 9});
    EXPECT_EQ(CHistorySlider::SnapDistance(*doc), 5);
    EXPECT_EQ(CHistorySlider::Snap(*doc, 6), 3);
}

TEST_F(SliderFixture, BackBelowTheUndoImageRegenerates)
{
    Make(300, {100, 200, 300});
    view->Checkpoints().SetBudget(0);
    UndoImageAt(200);
    const auto how = slider.EndMove(*view, 150);
    EXPECT_EQ(how, CHistorySlider::Redraw::Regenerate);
    EXPECT_EQ(view->ShownCount(), 150);
    EXPECT_EQ(view->PendingCount(), 150) << "the replay covers every shown glob";
    EXPECT_TRUE(view->FullRedrawDue());
    view->Paint();
    EXPECT_FALSE(view->NeedsEngineWork());
}

TEST_F(SliderFixture, BackBelowTheUndoImageStartsFromTheKeptPictureBelow)
{
    Make(300, {100, 200, 300});
    UndoImageAt(200);
    EXPECT_EQ(slider.EndMove(*view, 150), CHistorySlider::Redraw::FromCheckpoint);
    EXPECT_EQ(view->PendingCount(), 50) << "only the globs past the boundary at 100 are replayed";
    view->Paint();
    const CImage32 back = view->DrawingImage();
    // Forward past a boundary whose picture is kept: copied rather than drawn glob by glob.
    EXPECT_EQ(slider.EndMove(*view, 300), CHistorySlider::Redraw::FromCheckpoint);
    EXPECT_EQ(view->PendingCount(), 0);
    view->Paint();
    const CImage32 forward = view->DrawingImage();

    // Both equal full regenerations at the same positions.
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), forward);
    slider.EndMove(*view, 150);
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), back);
}

TEST_F(SliderFixture, BackAboveTheUndoImageRedrawsFromIt)
{
    Make(300, {100, 200, 300});
    UndoImageAt(200);
    const auto how = slider.EndMove(*view, 250);
    EXPECT_EQ(how, CHistorySlider::Redraw::FromUndoImage);
    EXPECT_EQ(view->ShownCount(), 250);
    EXPECT_EQ(view->PendingCount(), 50) << "only the globs past the undo image are replayed";
    view->Paint();

    // The result equals a full regeneration at the same position.
    const CImage32 fromUndo = view->DrawingImage();
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), fromUndo);
}

TEST_F(SliderFixture, ForwardShowsTheHiddenGlobsAgain)
{
    Make(300, {100, 200, 300});
    view->Checkpoints().SetBudget(0);
    UndoImageAt(100);
    // Back to 150 (above the undo image), then forward to 280: only the new 130 are drawn.
    slider.EndMove(*view, 150);
    view->Paint();
    const int before = window.invalidations;
    const auto how = slider.EndMove(*view, 280);
    EXPECT_EQ(how, CHistorySlider::Redraw::ShowPending);
    EXPECT_EQ(view->ShownCount(), 280);
    EXPECT_EQ(view->PendingCount(), 130);
    EXPECT_FALSE(view->FullRedrawDue());
    EXPECT_TRUE(view->WaitCursorDue());
    EXPECT_GT(window.invalidations, before);
    view->Paint();
    const CImage32 stepped = view->DrawingImage();
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), stepped);

    // From below the undo image to above it the undo image is the quicker start.
    slider.EndMove(*view, 50);
    view->Paint();
    EXPECT_EQ(slider.EndMove(*view, 200), CHistorySlider::Redraw::FromUndoImage);
    EXPECT_EQ(view->PendingCount(), 100);
}

TEST_F(SliderFixture, ForwardMarksTheReshownShapesForRecolour)
{
    Make(300, {100, 300});
    slider.EndMove(*view, 100);
    view->Paint();
    for (int i = 0; i < app.ShapeTable().Count(); ++i)
        app.ShapeTable().Shape(i).m_recolorPending = 0;
    slider.EndMove(*view, 300);
    EXPECT_EQ(app.ShapeTable().Shape(doc->GetGlob(150).m_shape).m_recolorPending, 1);
}

TEST_F(SliderFixture, MovingForgetsOnlyUndoOfDrawing)
{
    Make(30, {10, 30});
    for (int kind : {2, 8}) {
        doc->Undo().Restore(static_cast<uint8_t>(kind));
        CHistorySlider::ForgetDrawingUndo(*doc);
        EXPECT_EQ(doc->Undo().Kind(), 0);
    }
    for (int kind : {1, 4, 5, 10, 12}) {
        doc->Undo().Restore(static_cast<uint8_t>(kind));
        CHistorySlider::ForgetDrawingUndo(*doc);
        EXPECT_EQ(doc->Undo().Kind(), kind);
    }
}
