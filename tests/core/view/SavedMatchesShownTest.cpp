#include "core/imaging/PackedDib.h"
#include "core/model/CDocumentFile.h"
#include "core/model/UndoKind.h"
#include "core/view/CBasicColorsLink.h"
#include "core/view/CImportReplay.h"
#include "core/commands/DocumentIO.h"
#include "core/view/IImportDialogs.h"
#include "core/commands/ImageImport.h"
#include "core/commands/ViewCommands.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/view/edit/GlobEditFixture.h"
#include <fstream>

// Paths on which the drawing shown and the drawing kept could part ways.
namespace {

class SavedMatchesShown : public GlobEditFixture {
protected:
    TempDir dir;

    // The drawing as a save would write it, read back.
    std::unique_ptr<CDaubrixDoc> SavedCopy()
    {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(DocumentBytes(doc, view.get(), bytes));
        auto copy = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        EXPECT_TRUE(CDocumentFile::Read(bytes, *copy, nullptr, false));
        return copy;
    }
    // A stroke of ten globs in one colour.
    void Ten(int hue, int y) { Stroke(hue, 10, 10, y); }

    std::string Picture(int w, int h)
    {
        CImage32 img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.Set(x, y, MakePixel(x * 7, y * 5, 255 - x));
        const std::string path = dir.File("in.bmp");
        EXPECT_TRUE(SaveBitmapAsBmp(path, img));
        return path;
    }
};

TEST_F(SavedMatchesShown, ASaveWhileClearedWritesTheEmptyDrawingAndUndoClearStillWorks)
{
    ThreeStrokes();
    doc.SetPrintResolution(150);
    ViewCommands::SetBackgroundColor(*view, {120, 80, 200});
    const DocState before = State();
    ViewCommands::ClearNow(*view);

    const auto saved = SavedCopy();
    EXPECT_EQ(saved->GetGlobCount(), 0);
    EXPECT_EQ(saved->GetColorChangeCount(), 0);
    EXPECT_EQ(saved->Sections().Count(), 0);
    EXPECT_EQ(saved->Sections().Floor(), 0);
    EXPECT_EQ(saved->Width(), 200);
    EXPECT_EQ(saved->Height(), 100);
    EXPECT_EQ(saved->BackgroundColor(), doc.BackgroundColor());
    EXPECT_EQ(saved->PrintResolution(), 150);

    ASSERT_TRUE(SaveDocument(dir.File("a.dbx"), doc, view.get()));
    view->History().Undo();
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(SavedMatchesShown, UndoAndRedoClearMarkTheDrawingModified)
{
    ThreeStrokes();
    ViewCommands::ClearNow(*view);
    const std::string path = dir.File("a.dbx");
    ASSERT_TRUE(SaveDocument(path, doc, view.get()));
    view->History().Undo();
    EXPECT_TRUE(doc.IsModified()) << "undo Clear";
    ASSERT_TRUE(SaveDocument(path, doc, view.get()));
    view->History().Undo();
    EXPECT_TRUE(doc.IsModified()) << "redo Clear";
}

TEST_F(SavedMatchesShown, SimulateDepthLeavesTheHiddenGlobsTheirColours)
{
    for (const bool light : {true, false}) {
        SCOPED_TRACE(light ? "light" : "chroma");
        doc.DeleteContents();
        doc.ClearSections();
        view->OnInitialUpdate();
        Ten(0, 10);
        Ten(240, 30);
        Ten(120, 50);
        ASSERT_EQ(doc.GetGlobCount(), 30);
        std::vector<HsvColor> hidden;
        for (int i = 15; i < 30; ++i)
            hidden.push_back(doc.ColorInForceAt(i));
        view->BrowseTo(15);
        ASSERT_TRUE(edits().SimulateDepth({false, light, 0, 25}));
        for (int i = 15; i < 30; ++i)
            EXPECT_TRUE(doc.ColorInForceAt(i) == hidden[static_cast<size_t>(i - 15)]) << "glob " << i;
        EXPECT_EQ(hidden[4].m_hue, 240);
        EXPECT_EQ(hidden[5].m_hue, 120);
    }
}

TEST_F(SavedMatchesShown, AColourPickedWhileLookingBackGoesToTheNextStrokeOnly)
{
    ThreeStrokes();
    const std::vector<CColorChange> changes = doc.ColorChanges();
    view->History().Undo();
    ASSERT_EQ(view->ShownCount(), 9);
    // The Colors window, a colour key and a sampling click.
    ApplyColorToCurrentShape(app.ShapeTable(), view.get(), {300, 255, 255});
    EXPECT_EQ(doc.ColorChanges(), changes);
    view->RecordCurrentColor({310, 255, 255});
    EXPECT_EQ(doc.ColorChanges(), changes);
    ViewCommands::ToggleSampleColor(*view);
    stroke().ButtonDown(10, 10, false, false);
    stroke().ButtonUp();
    ViewCommands::LeaveOneShotModes(*view);
    EXPECT_EQ(doc.ColorChanges(), changes);
    const HsvColor sampled = app.CurrentShape().Color();
    EXPECT_EQ(sampled.m_hue, 10);

    view->History().Undo();
    ASSERT_EQ(view->ShownCount(), 15);
    EXPECT_EQ(doc.ColorInForceAt(9).m_hue, 250);
    EXPECT_TRUE(Rendered() == Replayed());

    // Looking back again, a new stroke starts in the colour picked.
    view->BrowseTo(9);
    ApplyColorToCurrentShape(app.ShapeTable(), view.get(), {300, 255, 255});
    Drag({{100, 50}, {120, 50}});
    EXPECT_EQ(doc.ColorInForceAt(9).m_hue, 300);
    EXPECT_TRUE(Rendered() == Replayed());
}

TEST_F(SavedMatchesShown, UndoWhileTheButtonIsDownWaitsForTheStrokeToEnd)
{
    ThreeStrokes();
    edits().Copy(false);
    stroke().ButtonDown(20, 80, false, false);
    stroke().MouseMove(40, 80, false);
    view->Paint();
    EXPECT_FALSE(view->History().MenuState().enabled);
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), doc.GetGlobCount());
    EXPECT_FALSE(ViewCommands::Clear(*view));
    EXPECT_FALSE(edits().Paste(true));
    stroke().MouseMove(60, 80, false);
    stroke().ButtonUp();
    EXPECT_TRUE(Rendered() == Replayed());
    EXPECT_TRUE(view->History().MenuState().enabled);
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 15);
    EXPECT_TRUE(Rendered() == Replayed());
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), doc.GetGlobCount());
    EXPECT_TRUE(Rendered() == Replayed());
}

// ESC answered Yes at a fixed point of each phase, with and without a repaint behind the
// question (which the window system does while a command's question is open; the paint's own
// question gets none, the window does not paint inside its paint).
TEST_F(SavedMatchesShown, CancellingAnImportInEveryPhaseHidesWhatItPlaced)
{
    const std::string path = Picture(200, 100);
    app.Import().m_importRemoveBackground = 0;
    app.Import().m_importGlobCount = 10;
    enum Phase { Sampling, Placing, Drawing };
    for (const Phase phase : {Sampling, Placing, Drawing})
        for (const bool repaint : {false, true}) {
            if (phase == Drawing && repaint)
                continue;
            SCOPED_TRACE(testing::Message() << "phase " << phase << (repaint ? ", repainted" : ""));
            doc.DeleteContents();
            doc.ClearSections();
            doc.Undo().Forget();
            view->OnInitialUpdate();
            ThreeStrokes();
            host.messages.clear();
            host.onAsk = repaint ? std::function<void()>([&] { view->Paint(); }) : nullptr;
            bool queued = false;
            host.onProgress = [&](int percent) {
                const int at = phase == Sampling ? 10 : 75;
                if (phase != Drawing && !queued && percent >= at) {
                    host.keys.push_back(27);
                    queued = true;
                }
            };
            Import(path);
            host.onProgress = nullptr;
            if (phase == Drawing)
                host.keys.push_back(27);
            view->Paint();
            host.onAsk = nullptr;
            host.keys.clear();
            ASSERT_EQ(host.questions.size(), 1u);
            host.questions.clear();
            EXPECT_EQ(view->ShownCount(), 15);
            if (phase == Sampling) {
                EXPECT_EQ(doc.GetGlobCount(), 15);
                EXPECT_FALSE(host.Said(CImportReplay::CancelledText()));
            } else {
                EXPECT_GT(doc.GetGlobCount(), 100);
                EXPECT_TRUE(host.Said(CImportReplay::CancelledText()));
            }
            EXPECT_TRUE(Rendered() == Replayed());
        }
}

TEST_F(SavedMatchesShown, AnImportThatCannotBeReadKeepsTheHiddenGlobs)
{
    ThreeStrokes();
    view->History().Undo();
    const DocState before = State();
    const int kind = doc.Undo().Kind();
    const std::string bad = dir.File("bad.bmp");
    std::ofstream(bad) << "BM not a picture";
    Import(bad);
    EXPECT_TRUE(host.Said("error reading file."));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(doc.Undo().Kind(), kind);
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 15);
}

} // namespace
