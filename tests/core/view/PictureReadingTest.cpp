// What the picture-reading commands tell the user about pictures that are damaged or of an
// older bitmap kind.
#include "core/base/AtomicFile.h"
#include "core/imaging/JpegFile.h"
#include "core/view/IImageDialogs.h"
#include "core/commands/ImageCommands.h"
#include "core/commands/ImageImport.h"
#include "tests/core/support/BmpMaker.h"
#include "tests/core/support/DamagedJpeg.h"
#include "tests/core/support/DrawingFixture.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>

namespace {

struct BackgroundDialogs : IImageDialogs {
    std::string path;
    std::string AskSaveImagePath(bool) override { return {}; }
    bool AskJpegQuality(int&) override { return false; }
    std::string AskBackgroundPath() override { return path; }
    bool AskBackgroundSizing(BackgroundSizing& sizing) override
    {
        sizing = BackgroundSizing::Normal;
        return true;
    }
};

class PictureReadingTest : public DrawingFixture {
protected:
    TempDir dir;
    BackgroundDialogs dialogs;

    void SetUp() override
    {
        DrawingFixture::SetUp();
        view->Paint();
        app.Import().m_importRemoveBackground = 0;
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        EXPECT_TRUE(WriteFileAtomically(dir.File(name), bytes));
        return dir.File(name);
    }
};

} // namespace

TEST(DamagedJpeg, TheCodecsFirstWarningIsKeptAndTheFileStillReads)
{
    const std::vector<uint8_t> bytes = DamagedJpeg(64, 64);
    JpegPixels pixels;
    const FileResult read = ReadJpegBytes(bytes.data(), bytes.size(), pixels);
    ASSERT_TRUE(read);
    EXPECT_EQ(pixels.width, 64);
    // One note however many times the codec ran short.
    ASSERT_EQ(read.notes.size(), 1u);
    EXPECT_EQ(read.notes[0], (FileNote{FileReason::JpegWarning, kPrematureEnd}));

    std::vector<uint8_t> whole = DamagedJpeg(64, 64, 1.0);
    EXPECT_TRUE(ReadJpegBytes(whole.data(), whole.size(), pixels).notes.empty());
}

TEST_F(PictureReadingTest, ImportOfADamagedJpegSaysSoAndStillImports)
{
    const ImportOutcome o = ImportImageFile(*view, Write("half.jpg", DamagedJpeg(120, 80)));
    EXPECT_TRUE(o.read);
    EXPECT_GT(o.placed, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kPrematureEnd);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
}

TEST_F(PictureReadingTest, LoadBackgroundOfADamagedJpegSaysSoAndKeepsThePicture)
{
    dialogs.path = Write("half.jpg", DamagedJpeg(120, 80));
    LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kPrematureEnd);
    EXPECT_EQ(doc.HasBackgroundImage(), 1);
    EXPECT_EQ(view->BackgroundImage().Width(), 120);
}

TEST_F(PictureReadingTest, OlderBitmapsImportAndLoadAsBackground)
{
    const CImage32 picture = BmpTestPicture(60, 40, 7);
    for (const BmpSpec& s : {BmpSpec{12, 8}, BmpSpec{12, 24}, BmpSpec{40, 8, true}, BmpSpec{124, 32, false, true, true}}) {
        const std::string path = Write("old.bmp", MakeBmp(picture, s));
        const int before = doc.GetGlobCount();
        const ImportOutcome o = ImportImageFile(*view, path);
        EXPECT_TRUE(o.read) << s.header << "/" << s.bpp;
        EXPECT_GT(doc.GetGlobCount(), before) << s.header << "/" << s.bpp;

        dialogs.path = path;
        LoadBackgroundCommand(app.Host(), app.Imaging(), *view, dialogs);
        ASSERT_EQ(doc.HasBackgroundImage(), 1) << s.header << "/" << s.bpp;
        EXPECT_EQ(view->BackgroundImage().Width(), 60);
        EXPECT_EQ(view->BackgroundImage().Height(), 40);
        EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
    }
}
