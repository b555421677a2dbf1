#include "tests/cli/CliFixture.h"
#include "core/imaging/ImageFile.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageCommands.h"
#include <filesystem>
#include <gtest/gtest.h>

TEST_F(CliTest, HelpDocumentsEverything)
{
    const CliRun r = Cli("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"info", "render", "--globs", "--quality", "Exit status", ".jpg", ".bmp"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    EXPECT_EQ(Cli("").status, 2);
    EXPECT_EQ(Cli("paint x").status, 2);
}

TEST_F(CliTest, InfoPrintsTheDrawingsFacts)
{
    const std::string path = Saved();
    const CliRun r = Cli("info " + Quote(path));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Image size is 120 x 90\n"
                     "40 globs\n"
                     "4 colors\n"
                     "bg color  R:200  G:100  B:50\n"
                     "Sections: 20 40\n"
                     "Section floor: 0\n"
                     "Background image: none\n"
                     "Print resolution: 100\n");
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CliTest, BadFilesGiveOneLineAndStatusOne)
{
    const CliRun missing = Cli("info " + Quote(dir.File("none.dbx")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open document.\n");
    const std::string junk = dir.File("junk.dbx");
    const std::vector<uint8_t> bytes(30, 0x07);
    ASSERT_TRUE(WriteFileAtomically(junk, bytes));
    const CliRun bad = Cli("info " + Quote(junk));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Unexpected file format.\n");
    EXPECT_TRUE(bad.out.empty());
    const CliRun render = Cli("render " + Quote(junk) + " " + Quote(dir.File("x.bmp")));
    EXPECT_EQ(render.status, 1);
    EXPECT_EQ(render.err, "Unexpected file format.\n");
}

TEST_F(CliTest, RenderBmpMatchesTheProgramsDrawingImage)
{
    const std::string path = Saved();
    const std::string out = dir.File("pic.bmp");
    const CliRun r = Cli("render " + Quote(path) + " " + Quote(out));
    ASSERT_EQ(r.status, 0) << r.err;
    CImage32 img;
    ASSERT_TRUE(LoadImageFile(out, img));
    EXPECT_EQ(img, view->DrawingImage());

    // No globs at all: the bare background colour.
    ASSERT_EQ(Cli("render " + Quote(path) + " " + Quote(out) + " --globs 0").status, 0);
    ASSERT_TRUE(LoadImageFile(out, img));
    EXPECT_EQ(img, CImage32(120, 90, ColorRefToPixel(doc->BackgroundColor())));

    // Part of the history: neither empty nor the whole drawing; more than there are is all.
    ASSERT_EQ(Cli("render " + Quote(path) + " " + Quote(out) + " --globs 10").status, 0);
    ASSERT_TRUE(LoadImageFile(out, img));
    EXPECT_NE(img, view->DrawingImage());
    EXPECT_NE(img, CImage32(120, 90, ColorRefToPixel(doc->BackgroundColor())));
    // Reference from a fresh program: an empty first paint, then a replay of the first ten.
    {
        FakeHost h;
        CDaubrixApp fresh{h};
        fresh.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &h);
        fresh.ShapeTable().PrepareAll();
        CDaubrixDoc d(fresh.ShapeTable(), &h);
        CDaubrixView v(fresh, d);
        ASSERT_TRUE(OpenDocumentFile(path, d, &v, false, h));
        v.BrowseTo(0);
        v.Paint();
        v.BrowseTo(10);
        v.Regenerate();
        v.Paint();
        EXPECT_EQ(img, v.DrawingImage()) << "the first ten globs on the background colour";
    }
    ASSERT_EQ(Cli("render " + Quote(path) + " " + Quote(out) + " --globs 5000").status, 0);
    ASSERT_TRUE(LoadImageFile(out, img));
    EXPECT_EQ(img, view->DrawingImage());
}

TEST_F(CliTest, RenderJpegHonoursQuality)
{
    const std::string path = Saved();
    const std::string low = dir.File("low.jpg"), high = dir.File("high.JPEG");
    ASSERT_EQ(Cli("render " + Quote(path) + " " + Quote(low) + " --quality 5").status, 0);
    ASSERT_EQ(Cli("render --quality 100 " + Quote(path) + " " + Quote(high)).status, 0);
    std::string a, b;
    ASSERT_TRUE(ReadWholeFile(low, a));
    ASSERT_TRUE(ReadWholeFile(high, b));
    EXPECT_LT(a.size(), b.size());
    CImage32 img;
    ASSERT_TRUE(LoadImageFile(high, img));
    EXPECT_NEAR(PixelRed(img.At(115, 5)), 200, 4);
}

TEST_F(CliTest, UsageErrorsGiveStatusTwo)
{
    const std::string path = Saved();
    EXPECT_EQ(Cli("render " + Quote(path) + " " + Quote(dir.File("a.gif"))).status, 2);
    EXPECT_EQ(Cli("render " + Quote(path) + " " + Quote(dir.File("a.jpg")) + " --quality 0").status, 2);
    EXPECT_EQ(Cli("render " + Quote(path) + " " + Quote(dir.File("a.jpg")) + " --globs -3").status, 2);
    EXPECT_EQ(Cli("render " + Quote(path)).status, 2);
    EXPECT_EQ(Cli("info").status, 2);
    EXPECT_EQ(Cli("render " + Quote(path) + " /nonexistent-folder-xyz/a.bmp").status, 1);
}

TEST_F(CliTest, InfoOpensADrawingWhoseBackgroundBlockIsEmpty)
{
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(Saved(), bytes));
    // Background flag 1 with a stored length of 0 in place of the flag 0.
    ASSERT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0'));
    bytes.replace(bytes.size() - 4, 4, std::string("\1\0\0\0\0\0\0\0", 8));
    const std::string path = dir.File("empty-bg.dbx");
    ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));
    const CliRun r = Cli("info " + Quote(path));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("40 globs\n"), std::string::npos);
    EXPECT_NE(r.out.find("Background image: none\n"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CliTest, AGlobLeftOfTheDrawingShowsAlikeInEngineRenderAndExport)
{
    // One large square centred 10 pixels left of the drawing: its right part lies inside.
    doc->TruncateAt(0);
    app.ShapeTable().m_currentShape = static_cast<uint8_t>(app.ShapeTable().FindShape('D', 2));
    ASSERT_GE(app.ShapeTable().Current().Width(), 23);
    ASSERT_TRUE(doc->AddGlob(-10, 45));
    view->Regenerate();
    view->Paint();
    const CImage32& engine = view->DrawingImage();
    const Pixel background = ColorRefToPixel(doc->BackgroundColor());
    EXPECT_NE(engine.At(0, 45), background) << "the glob's right part shows";
    EXPECT_EQ(engine.At(30, 45), background);

    const std::string path = Saved();
    const std::string exported = dir.File("export.bmp"), rendered = dir.File("render.bmp");
    ASSERT_TRUE(SaveDrawingImage(exported, engine, 100, host));
    ASSERT_EQ(Cli("render " + Quote(path) + " " + Quote(rendered)).status, 0);
    CImage32 a, b;
    ASSERT_TRUE(LoadImageFile(exported, a));
    ASSERT_TRUE(LoadImageFile(rendered, b));
    EXPECT_EQ(a, engine);
    EXPECT_EQ(b, engine);

    // The file keeps the position exactly: opened and saved again, the same bytes.
    std::string first, second;
    ASSERT_TRUE(ReadWholeFile(path, first));
    FakeHost h;
    CDaubrixDoc d(app.ShapeTable(), &h);
    CDaubrixView v(app, d);
    ASSERT_TRUE(OpenDocumentFile(path, d, &v, false, h));
    EXPECT_EQ(d.GetGlob(0).X(), -10);
    const std::string again = dir.File("again.dbx");
    ASSERT_TRUE(SaveDocumentFile(again, d, &v, h));
    ASSERT_TRUE(ReadWholeFile(again, second));
    EXPECT_EQ(first, second);
}

TEST_F(CliTest, EachMessageOfAFailedWriteIsALineInOrder)
{
    const std::string path = Saved();
    const CliRun jpg = Cli("render " + Quote(path) + " /nonexistent-folder-xyz/a.jpg");
    EXPECT_EQ(jpg.status, 1);
    EXPECT_EQ(jpg.err, "Error writing JPG file.\nError writing JPG\n");
    const CliRun bmp = Cli("render " + Quote(path) + " /nonexistent-folder-xyz/a.bmp");
    EXPECT_EQ(bmp.err, "Error writing BMP\n");
}

TEST_F(CliTest, NamesWithSpacesAndAccentsWorkForEverySubcommand)
{
    const std::string folder = dir.File("Dessins d'\xc3\xa9t\xc3\xa9 \xe2\x82\xac");   // "Dessins d'été €"
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/ma jolie \xc3\xa9toile.dbx";
    ASSERT_TRUE(SaveDocumentFile(path, *doc, view.get(), host));
    const CliRun info = Cli("info " + Quote(path));
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("40 globs"), std::string::npos);
    for (const char* out : {"/r\xc3\xa9sultat final.bmp", "/r\xc3\xa9sultat final.jpg", "/page \xc3\xa0 imprimer.pdf"}) {
        const std::string target = folder + out;
        const std::string verb = std::string(out).ends_with(".pdf") ? "print " : "render ";
        const CliRun r = Cli(verb + Quote(path) + " " + Quote(target));
        EXPECT_EQ(r.status, 0) << out << ": " << r.err;
        EXPECT_TRUE(std::filesystem::exists(target)) << out;
    }
    CImage32 img;
    ASSERT_TRUE(LoadImageFile(folder + "/r\xc3\xa9sultat final.bmp", img));
    EXPECT_EQ(img, view->DrawingImage());
}
