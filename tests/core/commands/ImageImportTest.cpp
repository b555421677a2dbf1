#include "core/commands/ImageImport.h"
#include "core/settings/CAutoChange.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/PictureCheck.h"
#include "core/imaging/PngFile.h"
#include "core/model/UndoKind.h"
#include "core/colour/ColorConversion.h"
#include "core/view/CImportReplay.h"
#include "core/view/CReplayer.h"
#include "core/commands/ViewCommands.h"
#include "core/view/IImportDialogs.h"
#include "tests/core/support/DrawingFixture.h"
#include "tests/core/support/TempDir.h"
#include <algorithm>
#include <set>

namespace {

// Eight horizontal stripes, one per grid row of a Medium shape at slider 5 (windows 12 high).
// Rows 2 and 3 share a colour; row 4 is row 3 a shade darker.
const Pixel kStripes[8] = {MakePixel(255, 0, 0),   MakePixel(0, 255, 0),   MakePixel(0, 0, 255),
                           MakePixel(0, 0, 255),   MakePixel(0, 0, 250),   MakePixel(255, 255, 0),
                           MakePixel(0, 255, 255), MakePixel(255, 0, 255)};

CImage32 Stripes(const Pixel (&colours)[8], int w = 200, int h = 100)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, colours[std::min(y / 12, 7)]);
    return img;
}

struct ScriptedImport : IImportDialogs {
    std::string path;
    bool accept = true;
    CImportSettings chosen;
    CImportSettings shownWith;
    std::string AskImportPath() override { return path; }
    bool AskImportSettings(CImportSettings& s) override
    {
        shownWith = s;
        s = chosen;
        return accept;
    }
};

class ImageImportTest : public DrawingFixture {
protected:
    TempDir dir;

    void SetUp() override
    {
        DrawingFixture::SetUp();
        view->Paint();
        // Keep, grid order, picture colours, every colour difference kept.
        app.Import().m_importRemoveBackground = 0;
        app.Import().m_importOrderFromImage = 0;
        app.Import().m_importColorCount = 10;
    }
    std::string Write(const CImage32& picture, const std::string& name = "in.bmp")
    {
        const std::string path = dir.File(name);
        EXPECT_TRUE(SaveBitmapAsBmp(path, picture));
        return path;
    }
    ImportOutcome Import(const CImage32& picture)
    {
        const ImportOutcome o = ImportImageFile(*view, Write(picture));
        view->Paint();
        return o;
    }
    std::vector<int> ChangePositions() const
    {
        std::vector<int> out;
        for (const CColorChange& c : doc.ColorChanges())
            out.push_back(static_cast<int>(c.m_position));
        return out;
    }
    int HueAt(int x, int y) const
    {
        const Pixel p = view->DrawingImage().At(x, y);
        return static_cast<int>(RgbToHsv(PixelRed(p), PixelGreen(p), PixelBlue(p)).hue);
    }
    // The colour each glob is drawn in: the change in force at its position.
    CColorChange InForce(int g) const { return *doc.GetColorChange(doc.FindColorChangeBefore(g + 1)); }
};

} // namespace

TEST_F(ImageImportTest, PictureColoursChangeOnlyWhereTheyDifferByMoreThanTheSlidersThreshold)
{
    struct Case {
        int slider;
        std::vector<int> changes;
    } cases[] = {
        // 17 globs a row; row 3 repeats row 2, row 4 differs from it by a few units of value.
        {10, {0, 17, 34, 68, 85, 102, 119}},
        {1, {0, 17, 34, 85, 102, 119}},
    };
    for (const Case& c : cases) {
        doc.DeleteContents();
        view->RecreateImages();
        view->OnInitialUpdate();
        view->Paint();
        app.Import().m_importColorCount = c.slider;
        const ImportOutcome o = Import(Stripes(kStripes));
        EXPECT_EQ(o.placed, 136);
        EXPECT_EQ(doc.GetGlobCount(), 136);
        EXPECT_EQ(ChangePositions(), c.changes) << "slider " << c.slider;
        EXPECT_EQ(doc.GetColorChange(0)->Color(), (HsvColor{0, 255, 255}));
        EXPECT_EQ(InForce(40).Color(), (HsvColor{240, 255, 255}));
    }
    // What is drawn is the picture: a glob of the first row is red, of the third blue.
    EXPECT_EQ(HueAt(8, 8), 0);
    EXPECT_EQ(HueAt(8, 32), 240);
}

TEST_F(ImageImportTest, GridOrderRunsRowByRowAndBrightnessOrderDarkestFirst)
{
    const Pixel shades[8] = {MakePixel(200, 0, 0), MakePixel(40, 0, 0),  MakePixel(120, 0, 0), MakePixel(40, 0, 0),
                             MakePixel(250, 0, 0), MakePixel(10, 0, 0), MakePixel(160, 0, 0), MakePixel(80, 0, 0)};
    Import(Stripes(shades));
    const auto grid = Globs();
    EXPECT_TRUE(std::is_sorted(grid.begin(), grid.end(), [](CPoint a, CPoint b) { return a.y < b.y; }));

    doc.DeleteContents();
    view->RecreateImages();
    view->OnInitialUpdate();
    view->Paint();
    app.Import().m_importOrderFromImage = 1;
    Import(Stripes(shades));
    ASSERT_EQ(doc.GetGlobCount(), 136);
    std::vector<int> values;
    for (int g = 0; g < doc.GetGlobCount(); ++g)
        values.push_back(InForce(g).m_value);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    // Darkest stripe (row 5) first; rows 1 and 3 tie and keep their grid order, each left to right.
    const auto order = Globs();
    EXPECT_EQ(order.front().y, 5 * 12 + 6 + 0);
    EXPECT_EQ(order[17].y, 18);
    EXPECT_EQ(order[34].y, 42);
    for (int i = 18; i < 34; ++i)
        EXPECT_LT(order[i - 1].x, order[i].x);
}

TEST_F(ImageImportTest, NewColoursDriftWithTheAutomaticChangeAndStayPutWithoutIt)
{
    app.Import().m_importPreserveColors = 0;
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    Import(Stripes(kStripes));
    ASSERT_EQ(doc.GetGlobCount(), 136);
    // Speed 10 steps on every sixth glob and records the step on that glob.
    std::vector<int> expected = {0};
    for (int g = 6; g <= 136; g += 6)
        expected.push_back(g - 1);
    EXPECT_EQ(ChangePositions(), expected);
    EXPECT_EQ(app.CurrentShape().m_hue, 5 * 22);
    EXPECT_EQ(doc.GetColorChange(22)->m_hue, 5 * 22);
    EXPECT_EQ(observer.colorsShown.size(), 22u);
    EXPECT_EQ(observer.colorsShown.back(), (HsvColor{110, 255, 255}));

    // All drift off: every glob takes the current colour, recorded once at the start.
    app.AutoChange().Set(ColorComponent::Hue, kAutoOff, 10);
    doc.DeleteContents();
    view->RecreateImages();
    view->OnInitialUpdate();
    view->Paint();
    Import(Stripes(kStripes));
    EXPECT_EQ(ChangePositions(), std::vector<int>{0});
    EXPECT_EQ(doc.GetColorChange(0)->m_hue, 110);
}

TEST_F(ImageImportTest, OneColourPictureRemovedEntirelyOrKeptAsAFullGridInItsColour)
{
    const CImage32 flat(200, 100, MakePixel(0, 0, 255));
    app.Import().m_importRemoveBackground = 1;
    const ImportOutcome removed = Import(flat);
    EXPECT_EQ(removed.samples, 0);
    EXPECT_EQ(doc.GetGlobCount(), 0);

    app.Import().m_importRemoveBackground = 0;
    Import(flat);
    EXPECT_EQ(doc.GetGlobCount(), 136);
    for (int g = 0; g < doc.GetGlobCount(); ++g)
        ASSERT_EQ(InForce(g).Color(), (HsvColor{240, 255, 255})) << g;
}

TEST_F(ImageImportTest, FitAndSquashSizeThePictureWithoutCroppingIt)
{
    // 400 x 100 fitted to 200 x 100 becomes 200 x 50, centred 25 pixels down.
    app.Import().m_importFit = 1;
    Import(Stripes(kStripes, 400, 100));
    auto globs = Globs();
    ASSERT_FALSE(globs.empty());
    EXPECT_EQ(std::min_element(globs.begin(), globs.end(), [](CPoint a, CPoint b) { return a.y < b.y; })->y, 6 + 25);
    EXPECT_EQ(doc.GetGlobCount(), 4 * 17);

    EXPECT_EQ(SizeImportPicture(CImage32(400, 100), 200, 100, BackgroundSizing::SquashStretch).Width(), 200);
    EXPECT_EQ(SizeImportPicture(CImage32(400, 100), 200, 100, BackgroundSizing::Normal).Width(), 400);
}

TEST_F(ImageImportTest, UndoTakesBackTheWholeImportAndRedoShowsItAgain)
{
    Drag({{20, 20}, {60, 40}, {100, 20}});
    view->Paint();
    const CImage32 before = view->DrawingImage();
    const int count = doc.GetGlobCount();
    Import(Stripes(kStripes));
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    const CImage32 after = view->DrawingImage();
    ASSERT_NE(after, before);

    view->History().Undo();
    view->Paint();
    EXPECT_EQ(view->ShownCount(), count);
    EXPECT_EQ(view->DrawingImage(), before);
    view->History().Undo();
    view->Paint();
    EXPECT_EQ(view->ShownCount(), count + 136);
    EXPECT_EQ(view->DrawingImage(), after);
}

TEST_F(ImageImportTest, ImportDiscardsTheGlobsHiddenByUndo)
{
    Drag({{20, 20}, {60, 40}});
    Drag({{20, 60}, {60, 80}, {100, 60}});
    view->Paint();
    const int firstStroke = doc.Sections().At(0);
    view->History().Undo();
    view->Paint();
    Import(Stripes(kStripes));
    EXPECT_EQ(doc.GetGlobCount(), firstStroke + 136);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    EXPECT_TRUE(doc.IsSectionBoundary(firstStroke + 136));
}

TEST_F(ImageImportTest, AfterAClearTheImportStartsAnEmptyDrawing)
{
    Drag({{20, 20}, {60, 40}});
    view->SetClearPending(true);
    view->BrowseTo(0);
    view->Paint();
    Import(Stripes(kStripes));
    EXPECT_FALSE(view->ClearPending());
    EXPECT_EQ(doc.GetGlobCount(), 136);
    EXPECT_EQ(doc.Sections().Count(), 1);
    EXPECT_EQ(doc.Sections().At(0), 136);
}

TEST_F(ImageImportTest, EscapeWhileSamplingLeavesTheDrawingAsItWas)
{
    Drag({{20, 20}, {60, 40}});
    view->Paint();
    const int count = doc.GetGlobCount();
    host.keys = {0, 27};   // ESC after the second row
    const ImportOutcome o = Import(Stripes(kStripes));
    EXPECT_TRUE(o.samplingCancelled);
    EXPECT_EQ(host.questions, std::vector<std::string>{"Cancel Image Import?"});
    EXPECT_EQ(doc.GetGlobCount(), count);
    EXPECT_EQ(view->ShownCount(), count);
    EXPECT_FALSE(host.Said(CImportReplay::CancelledText()));
}

TEST_F(ImageImportTest, EscapeWhilePlacingKeepsTheGlobsHidden)
{
    const int rows = 8;
    host.keys.assign(rows + 1, 0);   // no key through sampling and at the first sample
    host.keys.push_back(27);         // at sample 100
    const ImportOutcome o = Import(Stripes(kStripes));
    EXPECT_TRUE(o.placingCancelled);
    EXPECT_EQ(o.placed, 101);
    EXPECT_EQ(doc.GetGlobCount(), 101);
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_TRUE(host.Said(CImportReplay::CancelledText()));
    // The slider (Redo) brings them back.
    view->History().Undo();
    EXPECT_EQ(view->ShownCount(), 101);
}

TEST_F(ImageImportTest, ACancelWhilePlacingIsHiddenAtOnceAndLeavesLaterCommandsTheirOwnSteps)
{
    Drag({{20, 20}, {60, 40}});
    view->Paint();
    const int before = doc.GetGlobCount();
    // The window repaints behind the question, drawing the globs placed so far.
    host.onAsk = [this] { view->Paint(); };
    host.keys.assign(9, 0);
    host.keys.push_back(27);
    const ImportOutcome o = ImportImageFile(*view, Write(Stripes(kStripes)));
    host.onAsk = nullptr;
    ASSERT_TRUE(o.placingCancelled);
    // Hidden without waiting for another paint, and the picture shows what is left.
    EXPECT_EQ(view->ShownCount(), before);
    EXPECT_TRUE(host.Said(CImportReplay::CancelledText()));
    CImage32 replay(doc.Width(), doc.Height());
    replay.Fill(ColorRefToPixel(doc.BackgroundColor()));
    CReplayer(doc).Draw(replay, 0, before);
    EXPECT_TRUE(view->DrawingImage() == replay);
    // A Clear before the next paint stays a Clear.
    ASSERT_TRUE(ViewCommands::Clear(*view));
    view->Paint();
    EXPECT_TRUE(view->ClearPending());
    EXPECT_EQ(view->ShownCount(), 0);
    EXPECT_EQ(doc.Undo().Kind(), kUndoClear);
}

TEST_F(ImageImportTest, CommandKeepsTheDialogsChoicesAndCancelChangesNothing)
{
    ScriptedImport dialogs;
    dialogs.path = Write(Stripes(kStripes));
    dialogs.chosen.m_importGlobCount = 10;
    dialogs.chosen.m_importFit = 1;
    dialogs.accept = false;
    ImportImageCommand(app, *view, dialogs);
    EXPECT_EQ(doc.GetGlobCount(), 0);
    EXPECT_EQ(app.Import().m_importGlobCount, 5);

    dialogs.accept = true;
    ImportImageCommand(app, *view, dialogs);
    view->Paint();
    EXPECT_EQ(dialogs.shownWith.m_importColorCount, 10);
    EXPECT_EQ(app.Import().m_importGlobCount, 10);
    EXPECT_EQ(ImportSizing(app.Import()), BackgroundSizing::Fit);
    EXPECT_GT(doc.GetGlobCount(), 136);
    // Sampling counts to 50, placing from there to 100.
    ASSERT_FALSE(host.progress.empty());
    EXPECT_TRUE(std::is_sorted(host.progress.begin(), host.progress.end()));
    EXPECT_NE(std::find(host.progress.begin(), host.progress.end(), 50), host.progress.end());
    EXPECT_EQ(host.progress.back(), 100);
    EXPECT_GE(host.progressCleared, 1);
    EXPECT_EQ(host.status, "");
    EXPECT_EQ(host.waitDepth, 0);
    ASSERT_GE(host.statusHistory.size(), 1u);
    EXPECT_EQ(host.statusHistory.front(), "Converting image to globs.    Press ESC to cancel...");
}

TEST_F(ImageImportTest, UnreadableFileIsToldAfterTheReadersOwnMessage)
{
    const ImportOutcome o = ImportImageFile(*view, dir.File("missing.jpg"));
    EXPECT_FALSE(o.read);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Can't open file.");
    EXPECT_EQ(host.messages[1].text, "error reading file.");
    EXPECT_EQ(host.messages[1].icon, MsgIcon::Stop);
    EXPECT_EQ(doc.GetGlobCount(), 0);
}

TEST_F(ImageImportTest, PngPicturesImportLikeTheirBmp)
{
    const std::string png = dir.File("in.png");
    ASSERT_TRUE(WritePngFile(png, Stripes(kStripes)));
    ImportImageFile(*view, png);
    view->Paint();
    const auto fromPng = Globs();
    const auto changes = doc.ColorChanges();
    doc.DeleteContents();
    view->RecreateImages();
    view->OnInitialUpdate();
    view->Paint();
    Import(Stripes(kStripes));
    EXPECT_EQ(Globs(), fromPng);
    EXPECT_EQ(doc.ColorChanges(), changes);
}

TEST_F(ImageImportTest, AHugePictureIsRefusedAndTheDrawingStaysAsItWas)
{
    Drag({{20, 20}, {60, 40}});
    view->Paint();
    const int count = doc.GetGlobCount();
    const std::string path = dir.File("huge.png");
    ASSERT_TRUE(WritePngFile(path, CImage32(kMaxPictureSide + 1, 1)));
    const ImportOutcome o = ImportImageFile(*view, path);
    view->Paint();
    EXPECT_FALSE(o.read);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].text.find("too large"), std::string::npos);
    EXPECT_EQ(host.messages[1].text, "error reading file.");
    EXPECT_EQ(doc.GetGlobCount(), count);
    EXPECT_EQ(view->ShownCount(), count);
}
