#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "tests/core/support/TestDrawing.h"
#include "core/view/CDaubrixView.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
struct RecordingWindow : IViewWindow {
    std::vector<CRect> copies;
    int invalidations = 0;
    void CopyToWindow(const CRect& r) override { copies.push_back(r); }
    void Invalidate() override { ++invalidations; }
};

struct ViewFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    RecordingWindow window;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(160);
        doc->SetHeight(120);
        doc->SetBackgroundColor(MakeColorRef(10, 20, 30));
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->SetWindow(&window);
    }
    void Open()
    {
        view->OnInitialUpdate();
        view->Paint();
    }
};
} // namespace

using DaubrixView = ViewFixture;

TEST_F(DaubrixView, EmptyDrawingIsTheBackgroundAndRegenerateDrawsNothing)
{
    Open();
    EXPECT_EQ(view->DrawingImage(), CImage32(160, 120, MakePixel(10, 20, 30)));
    int waits = host.waitBegins;
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(host.waitBegins, waits) << "no wait cursor for an empty replay";
    EXPECT_EQ(view->DrawingImage(), CImage32(160, 120, MakePixel(10, 20, 30)));
}

TEST_F(DaubrixView, GoldenDrawingIncrementalAndRegeneratedMatch)
{
    // Draw in strokes, as the user would, painting after each.
    Open();
    int drawn = 0;
    for (int stroke = 0; stroke < 6; ++stroke) {
        view->SaveUndoImage();
        BuildDrawing(app, *doc, 50);
        view->ShowAddedGlobs(doc->GetGlobCount() - drawn);
        drawn = doc->GetGlobCount();
        view->Paint();
    }
    ASSERT_EQ(doc->GetGlobCount(), 300);
    CImage32 incremental = view->DrawingImage();
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), incremental);
    // The committed checksum pins the stamping, recolouring and conversion arithmetic.
    EXPECT_EQ(incremental.Checksum(), 0x26466cb3b4e3b680ull) << std::hex << incremental.Checksum();
}

TEST_F(DaubrixView, RegenerateBehindTheEndDrawsOnlyShownGlobs)
{
    BuildDrawing(app, *doc, 120);
    Open();
    CImage32 all = view->DrawingImage();
    // Reference: a fresh view of the first 60 globs.
    CDaubrixDoc partial(app.ShapeTable(), &host);
    partial.SetWidth(160);
    partial.SetHeight(120);
    partial.SetBackgroundColor(doc->BackgroundColor());
    for (int i = 0; i < 60; ++i)
        partial.AppendLoadedGlob(doc->GetGlob(i));
    for (const CColorChange& c : doc->ColorChanges())
        if (c.m_position < 60)
            partial.AppendLoadedColorChange(c);
    CDaubrixView pview(app, partial);
    pview.OnInitialUpdate();
    pview.Paint();

    view->BrowseTo(60);
    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), pview.DrawingImage());
    EXPECT_NE(view->DrawingImage(), all);
}

TEST_F(DaubrixView, FirstPaintBehindTheEndStartsFromTheBackground)
{
    // A drawing opened (or rendered) at a history position before its end: the very first
    // paint must lay the background, picture included, under the shown globs.
    BuildDrawing(app, *doc, 120);
    doc->SetHasBackgroundImage(1);
    view->SetBackgroundImage(CImage32(40, 30, MakePixel(200, 100, 50)), 60, 45);
    view->OnInitialUpdate();
    view->BrowseTo(60);
    view->Paint();
    const CImage32 first = view->DrawingImage();
    EXPECT_EQ(view->UndoImageCount(), 60) << "the opened drawing's first replay is its undo image";
    EXPECT_EQ(view->UndoImage(), first);

    view->Regenerate();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), first);
    int background = 0, picture = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
            background += first.At(x, y) == MakePixel(10, 20, 30);
            picture += first.At(x, y) == MakePixel(200, 100, 50);
        }
    EXPECT_GT(background, 0);
    EXPECT_GT(picture, 0);

    // A new drawing's undo image is the bare background until a stroke saves it.
    CDaubrixDoc fresh(app.ShapeTable(), &host);
    fresh.SetWidth(50);
    fresh.SetHeight(40);
    fresh.SetBackgroundColor(MakeColorRef(1, 2, 3));
    fresh.SetUndoImageSaved(1);
    CDaubrixView fview(app, fresh);
    fview.OnInitialUpdate();
    fview.Paint();
    EXPECT_EQ(fview.UndoImageCount(), 0);
    EXPECT_EQ(fview.UndoImage(), CImage32(50, 40, MakePixel(1, 2, 3)));
}

TEST_F(DaubrixView, RedrawFromUndoImageReplaysOnlyTheTail)
{
    BuildDrawing(app, *doc, 100);
    Open();
    view->SaveUndoImage();   // undo image at 100
    BuildDrawing(app, *doc, 50);
    view->ShowAddedGlobs(50);
    view->Paint();
    CImage32 full = view->DrawingImage();
    window.copies.clear();
    view->RedrawFromUndoImage();
    EXPECT_EQ(view->PendingCount(), 50);
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), full);
    ASSERT_EQ(window.copies.size(), 1u + 1u) << "whole image once, then the globs' rectangles gathered in one";

    // Below the undo image there is nothing to start from: background only.
    view->BrowseTo(40);
    view->RedrawFromUndoImage();
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), CImage32(160, 120, MakePixel(10, 20, 30)));
}

TEST_F(DaubrixView, LongReplayReachesTheWindowInAFewRectanglesHoldingEveryGlob)
{
    BuildDrawing(app, *doc, 1000);
    view->OnInitialUpdate();
    window.copies.clear();
    view->Paint();
    ASSERT_GE(window.copies.size(), 2u);
    EXPECT_EQ(window.copies.front(), CRect(0, 0, 160, 120)) << "the cleared image first";
    EXPECT_LE(window.copies.size(), 1u + 4u) << "one rectangle per 256 globs at most";
    for (int i = 0; i < doc->GetGlobCount(); ++i) {
        const CGlob& g = doc->GetGlob(i);
        const CRect r = app.ShapeTable().Shape(g.m_shape).Extent(g.X(), g.Y());
        const bool shown = std::any_of(window.copies.begin() + 1, window.copies.end(),
                                       [&](const CRect& c) { return c.United(r) == c; });
        ASSERT_TRUE(shown) << "glob " << i;
    }
}

TEST_F(DaubrixView, RebuildUndoImageMatchesAReplayAndReportsProgressOnlyForLongOnes)
{
    BuildDrawing(app, *doc, 1099);
    Open();
    CImage32 drawn = view->DrawingImage();
    view->RebuildUndoImage();
    EXPECT_EQ(view->UndoImage(), drawn);
    EXPECT_TRUE(host.progress.empty()) << "1,099 globs: stride 10, no progress";
    EXPECT_EQ(host.waitDepth, 0);

    BuildDrawing(app, *doc, 1);
    view->BrowseTo(doc->GetGlobCount());
    view->SaveUndoImage();
    view->RebuildUndoImage();
    EXPECT_FALSE(host.progress.empty());
    EXPECT_EQ(host.progress.front(), 0);
    EXPECT_LE(host.progress.back(), 100);
    EXPECT_GE(host.progressCleared, 1);
    EXPECT_EQ(host.statusHistory.front(), "Rebuilding Undo Image, Please wait...");
}

TEST_F(DaubrixView, OpenedDrawingTakesItsFirstReplayAsUndoImage)
{
    BuildDrawing(app, *doc, 80);
    doc->SetUndoImageSaved(0);
    Open();
    EXPECT_EQ(view->UndoImageCount(), 80);
    EXPECT_EQ(view->UndoImage(), view->DrawingImage());
    EXPECT_EQ(doc->UndoImageSaved(), 1);
}

TEST_F(DaubrixView, ImportReplayLooksForEscEveryHundredAndCancels)
{
    Open();
    BuildDrawing(app, *doc, 250);
    view->ShowAddedGlobs(250);
    view->BeginImportDrawing();
    host.status = "Ready";
    view->Paint();
    EXPECT_EQ(host.keyPolls, 2) << "after the 51st and the 151st glob";
    EXPECT_EQ(view->ShownCount(), doc->GetGlobCount());
    EXPECT_EQ(host.status, "Ready");
    EXPECT_EQ(host.statusHistory.front(), "Drawing after importing image,   Press ESC to cancel...");

    BuildDrawing(app, *doc, 250);
    view->ShowAddedGlobs(250);
    view->BeginImportDrawing();
    host.keys = {65, 27};   // a stray key is discarded, ESC asks
    host.answers = {MsgAnswer::Yes};
    view->Paint();
    EXPECT_EQ(host.questions.back(), "Cancel Image Import?");
    // Cancelled: the imported globs are hidden again as by Undo Drawing, and stay.
    EXPECT_EQ(doc->GetGlobCount(), 500);
    EXPECT_EQ(view->ShownCount(), doc->SectionStartFor(500));
    EXPECT_EQ(doc->Undo().Kind(), RedoKind(kUndoDrawing));
    EXPECT_TRUE(host.messages.back().text.starts_with("The imported globs are still present"));
    EXPECT_FALSE(view->ImportDrawing());
}
