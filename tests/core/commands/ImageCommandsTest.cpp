#include "core/imaging/ImageFile.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include "core/view/IImageDialogs.h"
#include "core/commands/ImageCommands.h"
#include "core/imaging/PackedDib.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {
struct ScriptedDialogs : IImageDialogs {
    std::string savePath, backgroundPath;
    bool acceptQuality = true, acceptSizing = true;
    int chosenQuality = 10;
    BackgroundSizing chosenSizing = BackgroundSizing::Fit;
    int qualityShownWith = -1;
    BackgroundSizing sizingShownWith = BackgroundSizing::Normal;
    bool lowColorAsked = false;
    int sizingAsked = 0;

    std::string AskSaveImagePath(bool lowColor) override
    {
        lowColorAsked = lowColor;
        return savePath;
    }
    bool AskJpegQuality(int& position) override
    {
        qualityShownWith = position;
        position = chosenQuality;
        return acceptQuality;
    }
    std::string AskBackgroundPath() override { return backgroundPath; }
    bool AskBackgroundSizing(BackgroundSizing& sizing) override
    {
        ++sizingAsked;
        sizingShownWith = sizing;
        sizing = chosenSizing;
        return acceptSizing;
    }
};

struct ImageCommandsTest : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    ScriptedDialogs dialogs;
    TempDir dir;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(200);
        doc->SetHeight(200);
        doc->SetBackgroundColor(MakeColorRef(10, 20, 30));
        view = std::make_unique<CDaubrixView>(app, *doc);
        for (int i = 0; i < 30; ++i)
            doc->AddGlob(20 + 5 * i, 100);
        view->OnInitialUpdate();
        view->Paint();
    }
    std::string WriteBackground(int w, int h, Pixel fill)
    {
        const std::string path = dir.File("bg.bmp");
        EXPECT_TRUE(SaveBitmapAsBmp(path, CImage32(w, h, fill)));
        return path;
    }
};
} // namespace

TEST(ImageFileKind, ExtensionRules)
{
    EXPECT_EQ(ImageFileKindFor("a.bmp"), ImageFileKind::Bmp);
    EXPECT_EQ(ImageFileKindFor("a.BMP"), ImageFileKind::Bmp);
    EXPECT_EQ(ImageFileKindFor("a.JPG"), ImageFileKind::Jpeg);
    EXPECT_EQ(ImageFileKindFor("a.jpeg"), ImageFileKind::Jpeg);
    EXPECT_EQ(ImageFileKindFor("a.PNG"), ImageFileKind::Png);
    EXPECT_EQ(ImageFileKindFor("a.gif"), ImageFileKind::Unknown);
    EXPECT_EQ(ImageFileKindFor("dir.jpg/a"), ImageFileKind::Unknown);
}

TEST_F(ImageCommandsTest, SaveImageAsBmpWritesTheDrawingImage)
{
    dialogs.savePath = dir.File("out.bmp");
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(dialogs.qualityShownWith, -1);   // no quality dialog for BMP
    CImage32 back;
    ASSERT_TRUE(LoadImageFile(dialogs.savePath, back));
    EXPECT_EQ(back, view->DrawingImage());
    EXPECT_EQ(host.waitDepth, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageCommandsTest, SaveImageAsJpegAsksQualityAndKeepsIt)
{
    dialogs.savePath = dir.File("out.JPEG");
    dialogs.chosenQuality = 20;
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(dialogs.qualityShownWith, 16);
    EXPECT_EQ(app.Imaging().m_jpegQuality, 20);
    CImage32 back;
    ASSERT_TRUE(LoadImageFile(dialogs.savePath, back));
    EXPECT_EQ(back.Width(), 200);
    EXPECT_NEAR(PixelBlue(back.At(5, 5)), 30, 3);

    // Cancelling the quality dialog writes nothing and keeps the setting.
    dialogs.savePath = dir.File("cancel.jpg");
    dialogs.chosenQuality = 3;
    dialogs.acceptQuality = false;
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_FALSE(std::filesystem::exists(dialogs.savePath));
    EXPECT_EQ(app.Imaging().m_jpegQuality, 20);
}

TEST_F(ImageCommandsTest, UnknownExtensionIsAnsweredNotIgnored)
{
    dialogs.savePath = dir.File("out.gif");
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_FALSE(std::filesystem::exists(dialogs.savePath));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(".bmp"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find(".jpg"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find(".png"), std::string::npos);
}

TEST_F(ImageCommandsTest, WriteFailuresShowTheirMessages)
{
    dialogs.savePath = "/nonexistent-folder-xyz/out.bmp";
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Error writing BMP");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    // The writer's own message first, then the command's.
    host.messages.clear();
    dialogs.savePath = "/nonexistent-folder-xyz/out.jpg";
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Error writing JPG file.");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[1].text, "Error writing JPG");
    EXPECT_EQ(host.messages[1].icon, MsgIcon::Stop);
    EXPECT_EQ(host.waitDepth, 0);
    app.Imaging().m_lowColor = 1;
    dialogs.savePath.clear();
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_TRUE(dialogs.lowColorAsked);
}

TEST_F(ImageCommandsTest, LoadBackgroundLaysItUnderTheGlobs)
{
    const Pixel before = view->DrawingImage().At(100, 100);
    dialogs.backgroundPath = WriteBackground(100, 50, MakePixel(240, 240, 0));
    dialogs.chosenSizing = BackgroundSizing::Normal;
    doc->SetModifiedFlag(false);
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(dialogs.sizingShownWith, BackgroundSizing::Normal);
    EXPECT_EQ(doc->HasBackgroundImage(), 1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->BackgroundJpeg().empty());
    EXPECT_EQ(view->BackgroundX(), 50);
    EXPECT_EQ(view->BackgroundY(), 75);
    view->Paint();
    const CImage32& img = view->DrawingImage();
    EXPECT_NEAR(PixelRed(img.At(60, 80)), 240, 3);          // background picture
    EXPECT_EQ(img.At(10, 10), ColorRefToPixel(doc->BackgroundColor()));
    EXPECT_EQ(img.At(100, 100), before);                    // a glob stays on top
    EXPECT_EQ(host.waitDepth, 0);

    // The next load replaces it and remembers the choice.
    dialogs.backgroundPath = WriteBackground(400, 100, MakePixel(0, 0, 250));
    dialogs.chosenSizing = BackgroundSizing::Fit;
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(app.Imaging().m_backgroundFit, 1);
    EXPECT_EQ(app.Imaging().m_backgroundSquash, 0);
    EXPECT_EQ(view->BackgroundImage().Width(), 200);
    EXPECT_EQ(view->BackgroundImage().Height(), 50);
    view->Paint();
    EXPECT_NEAR(PixelBlue(view->DrawingImage().At(10, 80)), 250, 3);
    EXPECT_EQ(view->DrawingImage().At(60, 20), ColorRefToPixel(doc->BackgroundColor()));

    RemoveBackgroundCommand(*view);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    EXPECT_TRUE(doc->BackgroundJpeg().empty());
    view->Paint();
    EXPECT_EQ(view->DrawingImage().At(10, 80), ColorRefToPixel(doc->BackgroundColor()));
    EXPECT_EQ(view->DrawingImage().At(100, 100), before);
}

TEST_F(ImageCommandsTest, BackgroundChangeWhileLookingBackKeepsTheShownGlobs)
{
    // The undo image holds all 30 globs; the history position is below it.
    view->BrowseTo(10);
    view->Paint();
    const CImage32 lookingBack = view->DrawingImage();
    doc->SetHasBackgroundImage(1);
    RemoveBackgroundCommand(*view);
    view->Paint();
    EXPECT_EQ(view->DrawingImage(), lookingBack) << "not the bare background";
}

TEST_F(ImageCommandsTest, LoadBackgroundCancelsAndFailures)
{
    dialogs.backgroundPath = WriteBackground(10, 10, MakePixel(1, 1, 1));
    dialogs.acceptSizing = false;
    dialogs.chosenSizing = BackgroundSizing::SquashStretch;
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    EXPECT_EQ(app.Imaging().m_backgroundSquash, 0);

    const std::vector<uint8_t> junk(60, 7);
    dialogs.backgroundPath = dir.File("junk.bmp");
    ASSERT_TRUE(WriteFileAtomically(dialogs.backgroundPath, junk));
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_TRUE(host.Said("error reading file."));
    EXPECT_EQ(dialogs.sizingAsked, 1);

    app.Imaging().m_lowColor = 1;
    dialogs.backgroundPath = WriteBackground(10, 10, MakePixel(1, 1, 1));
    dialogs.acceptSizing = true;
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    EXPECT_EQ(dialogs.sizingAsked, 1);
}

TEST_F(ImageCommandsTest, PngSavesLikeBmpAndLoadsAsBackground)
{
    dialogs.savePath = dir.File("out.png");
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    dialogs.savePath = dir.File("out.bmp");
    SaveImageCommand(app.Host(), app.Imaging(), *view, dialogs);
    CImage32 png, bmp;
    ASSERT_TRUE(LoadImageFile(dir.File("out.png"), png));
    ASSERT_TRUE(LoadImageFile(dir.File("out.bmp"), bmp));
    EXPECT_EQ(png, view->DrawingImage());
    EXPECT_EQ(png, bmp);
    EXPECT_LT(std::filesystem::file_size(dir.File("out.png")), std::filesystem::file_size(dir.File("out.bmp")));

    dialogs.backgroundPath = dir.File("out.png");
    dialogs.chosenSizing = BackgroundSizing::Normal;
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(doc->HasBackgroundImage(), 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ImageCommandsTest, LoadBackgroundRefusesAHugePictureBeforeTheSizingDialog)
{
    // A BMP header claiming 20000 x 20000 pixels in a file of a few bytes.
    std::vector<uint8_t> bytes(64, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[10] = 54;
    bytes[14] = 40;
    bytes[18] = 0x20, bytes[19] = 0x4E;   // 20000
    bytes[22] = 0x20, bytes[23] = 0x4E;
    bytes[26] = 1;
    bytes[28] = 24;
    dialogs.backgroundPath = dir.File("huge.bmp");
    ASSERT_TRUE(WriteFileAtomically(dialogs.backgroundPath, bytes));
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    EXPECT_EQ(dialogs.sizingAsked, 0);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[0].text.find("too large"), std::string::npos);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(host.messages[1].text, "error reading file.");
}
