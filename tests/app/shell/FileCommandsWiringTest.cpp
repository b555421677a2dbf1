// File and image commands through the wired program: the real menus, the real dialogs (driven
// while they are open) and the files they leave behind.
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/dialogs/CJpegSettingsDialog.h"
#include "app/dialogs/CLoadBackgroundDialog.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/PackedDib.h"
#include "core/base/AtomicFile.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CShellStartup.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/widgets/CTickSlider.h"
#include <QAction>
#include <QMdiArea>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

std::string Bytes(const std::string& path)
{
    std::string b;
    ReadWholeFile(path, b);
    return b;
}

} // namespace

TEST(FileCommands, SaveAsCloseAndOpenThroughTheMenus)
{
    ProgramRig f;
    CChildFrame* c = f.Drawing(260, 180);
    ASSERT_GT(c->Doc().GetGlobCount(), 0);
    EXPECT_TRUE(c->Doc().IsModified());
    const QImage drawn = c->DrawingWidget().ImageView().copy();
    const std::string path = f.File("meadow.dbx");

    QStringList saveTypes, openTypes;
    f.dialogs.Then(DialogAnswerer::ChooseFile(f.File("meadow"), &saveTypes));   // the extension is added
    f.Run(CommandId::FileSaveAs);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(saveTypes.value(0), "Daubrix Files (*.dbx)");
    EXPECT_EQ(c->windowTitle(), "meadow.dbx") << "the window takes the new name";
    EXPECT_FALSE(c->Doc().IsModified());
    EXPECT_EQ(f.Frame().RecentFiles().value(0), QString::fromStdString(path));

    // Save now writes the same file without asking.
    const std::string first = Bytes(path);
    c->Doc().m_backgroundColor = MakeColorRef(9, 8, 7);
    c->Doc().SetModifiedFlag();
    f.Run(CommandId::FileSave);
    EXPECT_NE(Bytes(path), first);
    EXPECT_FALSE(c->Doc().IsModified());
    c->Doc().m_backgroundColor = 0;
    f.Run(CommandId::FileSave);
    EXPECT_EQ(Bytes(path), first);

    f.Close(c);
    ASSERT_TRUE(f.Frame().Children().isEmpty()) << "a saved drawing closes without asking";
    EXPECT_TRUE(f.host.questions.empty());

    f.dialogs.Then(DialogAnswerer::ChooseFile(path, &openTypes));
    f.Run(CommandId::FileOpen);
    ASSERT_EQ(f.Frame().Children().size(), 1);
    CChildFrame* again = f.Frame().ActiveChild();
    again->DrawingWidget().RunEngine();
    EXPECT_EQ(openTypes.value(0), "Daubrix Files (*.dbx)");
    EXPECT_EQ(again->windowTitle(), "meadow.dbx");
    EXPECT_EQ(again->DrawingWidget().ImageView(), drawn) << "reopened, the drawing looks identical";
    EXPECT_EQ(f.wiring->HistoryWindow()->Slider()->maximum(), again->Doc().GetGlobCount());
    EXPECT_TRUE(f.dialogs.titles.contains("Save As"));
    EXPECT_TRUE(f.dialogs.titles.contains("Open"));
}

TEST(FileCommands, ClosingAChangedDrawingAsksAndSavesUnderANewName)
{
    ProgramRig f;
    CChildFrame* c = f.Drawing(180, 120);
    // Yes, then the name question is cancelled: the drawing stays open.
    f.host.answers = {MsgAnswer::Yes};
    f.dialogs.Then(DialogAnswerer::Cancel());
    f.Close(c);
    ASSERT_EQ(f.Frame().Children().size(), 1);
    EXPECT_EQ(f.host.questions.back(), "Save changes to " + c->Doc().m_title + "?");
    // Yes and a name: saved, then closed.
    const std::string path = f.File("closing.dbx");
    f.host.answers = {MsgAnswer::Yes};
    f.dialogs.Then(DialogAnswerer::ChooseFile(path));
    f.Close(c);
    EXPECT_TRUE(f.Frame().Children().isEmpty());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(f.Frame().RecentFiles().value(0), QString::fromStdString(path));
    // No: closed without writing.
    CChildFrame* d = f.Drawing(100, 100);
    f.host.answers = {MsgAnswer::No};
    f.Close(d);
    EXPECT_TRUE(f.Frame().Children().isEmpty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.data.Path()), {}), 2);
}

TEST(FileCommands, OpenDrawingComesForwardAndRecentEntriesThatFailLeave)
{
    ProgramRig f;
    const std::string path = f.File("a.dbx");
    CChildFrame* a = f.SavedDrawing(200, 150, path);
    CChildFrame* b = f.Drawing(150, 120);
    ASSERT_EQ(f.Frame().ActiveChild(), b);

    // Opening the file that is already shown activates its window instead of a copy.
    ASSERT_TRUE(f.Frame().OpenFile(QString::fromStdString(path)));
    EXPECT_EQ(f.Frame().Children().size(), 2);
    EXPECT_EQ(f.Frame().ActiveChild(), a);

    // A recent entry whose file has gone reports and is dropped from the list.
    const std::string gone = f.File("gone.dbx");
    ASSERT_TRUE(WriteFileAtomically(gone, std::span<const uint8_t>()));
    f.Frame().AddRecentFile(QString::fromStdString(gone));
    std::filesystem::remove(gone);
    ASSERT_EQ(f.Frame().RecentFiles().size(), 2);
    f.Run(CommandId::FileMru1);
    EXPECT_TRUE(f.host.Said("Failed to open document."));
    EXPECT_EQ(f.Frame().RecentFiles(), QStringList{QString::fromStdString(path)});
    EXPECT_EQ(f.profile.GetString("Recent File List", "File1", ""), path);
    EXPECT_EQ(f.profile.GetString("Recent File List", "File2", "x"), "");
    EXPECT_FALSE(f.Act(CommandId::FileMru2)->isVisible());

    // The remaining entry opens the drawing (here: brings it forward).
    f.Frame().Workspace()->setActiveSubWindow(b);
    f.Run(CommandId::FileMru1);
    EXPECT_EQ(f.Frame().ActiveChild(), a);
}

TEST(FileCommands, FailedSaveKeepsTheFileAndTheChanges)
{
    ProgramRig f;
    const std::string path = f.File("keep.dbx");
    f.SavedDrawing(300, 200, path);
    const std::string old = Bytes(path);
    ASSERT_FALSE(old.empty());

    // Files may not grow past a few bytes: the disk is full.
    CChildFrame* d = f.Drawing(300, 200);
    d->Doc().m_pathName = path;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    f.Act(CommandId::FileSave)->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(f.host.Said("Failed to save document."));
    EXPECT_EQ(Bytes(path), old);
    EXPECT_TRUE(d->Doc().IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.data.Path()), {}), 2)
        << "the drawing and the automatic files' folder, no stray temporary file";
}

TEST(FileCommands, CommandLineDrawingOpensAtStartWithItsFullPath)
{
    TempDir data;
    std::string path;
    QImage drawn;
    {
        ProgramRig f;
        path = f.File("start.dbx");
        CChildFrame* c = f.SavedDrawing(220, 140, path);
        drawn = c->DrawingWidget().ImageView().copy();
        std::filesystem::copy_file(path, data.File("start.dbx"));
    }
    // After the rig, whose own data folder is gone with it.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path()));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(data.Path());
    FakeHost host;
    CDaubrixApp app(host);
    CMapProfile profile;
    CShellStartup startup(app, profile);
    startup.m_frameCreated = [&app](CMainFrame& frame) { new CFeatureWiring(frame, app); };
    const bool started = startup.InitInstance(std::string(DAUBRIX_DATA_DIR) + "/", {"start.dbx"}, {1280, 1024});
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(started);
    CMainFrame* frame = startup.Frame();
    ASSERT_EQ(frame->Children().size(), 1);
    CChildFrame* c = frame->Children().front();
    EXPECT_EQ(c->Doc().m_pathName, data.File("start.dbx")) << "saves go back where the file came from";
    EXPECT_EQ(frame->RecentFiles().value(0), QString::fromStdString(data.File("start.dbx")));
    c->DrawingWidget().RunEngine();
    EXPECT_EQ(c->DrawingWidget().ImageView().size(), drawn.size());
    startup.ExitInstance();

    // A named file that cannot be read is told, and the program stays open with no drawing.
    FakeHost host2;
    CDaubrixApp app2(host2);
    CShellStartup bad(app2, profile);
    bad.m_frameCreated = [&app2](CMainFrame& frame) { new CFeatureWiring(frame, app2); };
    EXPECT_TRUE(bad.InitInstance(std::string(DAUBRIX_DATA_DIR) + "/", {QString::fromStdString(data.File("no.dbx"))},
                                  {1280, 1024}));
    EXPECT_TRUE(host2.Said("Failed to open document."));
    bad.ExitInstance();
}

TEST(ImageCommands, BackgroundThroughTheImageMenuIsCheckedStoredAndRemoved)
{
    ProgramRig f;
    // A 100 x 50 picture, left half red, right half blue.
    CImage32 picture(100, 50, MakePixel(230, 20, 20));
    picture.FillRect(CRect{50, 0, 100, 50}, MakePixel(20, 20, 230));
    const std::string bmp = f.File("picture.bmp");
    ASSERT_TRUE(SaveBitmapAsBmp(bmp, picture));

    CChildFrame* c = f.Drawing(200, 200);
    const int globs = c->Doc().GetGlobCount();
    EXPECT_FALSE(f.Act(CommandId::LoadBackground)->isChecked());
    EXPECT_FALSE(f.Act(CommandId::RemoveBackground)->isEnabled());

    // Cancelling the size question changes nothing.
    f.dialogs.Then(DialogAnswerer::ChooseFile(bmp));
    f.dialogs.Then(DialogAnswerer::Cancel());
    f.Run(CommandId::LoadBackground);
    EXPECT_FALSE(c->Doc().m_hasBackgroundImage);
    EXPECT_FALSE(f.Act(CommandId::LoadBackground)->isChecked());

    QStringList types;
    f.dialogs.Then(DialogAnswerer::ChooseFile(bmp, &types));
    f.dialogs.Then([](QDialog& w) {
        auto* d = qobject_cast<CLoadBackgroundDialog*>(&w);
        ASSERT_NE(d, nullptr);
        MaybeShoot(*d, "load_background");
        d->Button(BackgroundSizing::Normal)->click();
        d->accept();
    });
    f.Run(CommandId::LoadBackground);
    EXPECT_EQ(types.value(0), "All Supported Formats (*.BMP,*.JPG)");
    EXPECT_TRUE(f.dialogs.titles.contains("Load Background Image"));
    ASSERT_TRUE(c->Doc().m_hasBackgroundImage);
    EXPECT_TRUE(f.Act(CommandId::LoadBackground)->isChecked());
    EXPECT_TRUE(f.Act(CommandId::RemoveBackground)->isEnabled());
    EXPECT_TRUE(c->Doc().IsModified());
    EXPECT_EQ(c->Doc().GetGlobCount(), globs);
    // Normal: 100 x 50 in the middle, at (50, 75); the globs are drawn over it.
    const QImage shown = c->DrawingWidget().ImageView().copy();
    EXPECT_EQ(c->View().BackgroundX(), 50);
    EXPECT_EQ(c->View().BackgroundY(), 75);
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) < 12 && std::abs(qGreen(a) - qGreen(b)) < 12 &&
               std::abs(qBlue(a) - qBlue(b)) < 12;
    };
    int red = 0, blue = 0;
    for (int y = 75; y < 125; ++y)
        for (int x = 50; x < 150; ++x) {
            red += near(shown.pixel(x, y), qRgb(230, 20, 20));
            blue += near(shown.pixel(x, y), qRgb(20, 20, 230));
        }
    EXPECT_GT(red, 1000);
    EXPECT_GT(blue, 1000);
    EXPECT_EQ(shown.pixel(5, 199), QColor(Qt::black).rgb()) << "outside the picture: the background colour";

    // Stored with the drawing and back on reopening, checked again.
    const std::string path = f.File("with picture.dbx");
    f.dialogs.Then(DialogAnswerer::ChooseFile(path));
    f.Run(CommandId::FileSaveAs);
    f.Close(c);
    ASSERT_TRUE(f.Frame().OpenFile(QString::fromStdString(path)));
    c = f.Frame().ActiveChild();
    c->DrawingWidget().RunEngine();
    f.Frame().UpdateCommands();
    EXPECT_TRUE(c->Doc().m_hasBackgroundImage);
    EXPECT_TRUE(f.Act(CommandId::LoadBackground)->isChecked());
    EXPECT_EQ(c->DrawingWidget().ImageView(), shown);
    MaybeShoot(f.Frame(), "background_frame");

    f.Run(CommandId::RemoveBackground);
    EXPECT_FALSE(c->Doc().m_hasBackgroundImage);
    EXPECT_FALSE(f.Act(CommandId::LoadBackground)->isChecked());
    EXPECT_FALSE(f.Act(CommandId::RemoveBackground)->isEnabled());
    EXPECT_TRUE(c->Doc().IsModified());
    const QImage bare = c->DrawingWidget().ImageView();
    EXPECT_NE(bare, shown);
    int left = 0;
    for (int y = 75; y < 125; ++y)
        for (int x = 50; x < 150; ++x)
            left += near(bare.pixel(x, y), qRgb(230, 20, 20)) || near(bare.pixel(x, y), qRgb(20, 20, 230));
    EXPECT_EQ(left, 0);

    // On a low-colour display the stored picture is left out and cannot be loaded.
    const std::string copy = f.File("copy.dbx");
    std::filesystem::copy_file(path, copy);
    f.app.m_imaging.m_lowColor = 1;
    ASSERT_TRUE(f.Frame().OpenFile(QString::fromStdString(copy)));
    c = f.Frame().ActiveChild();
    c->DrawingWidget().RunEngine();
    f.Frame().UpdateCommands();
    EXPECT_FALSE(c->Doc().m_hasBackgroundImage);
    EXPECT_FALSE(f.Act(CommandId::LoadBackground)->isEnabled());
    EXPECT_FALSE(f.Act(CommandId::RemoveBackground)->isEnabled());
    EXPECT_EQ(c->DrawingWidget().ImageView(), bare);
}

TEST(ImageCommands, SaveImageFromTheMenuWritesWhatIsShown)
{
    ProgramRig f;
    CChildFrame* c = f.Drawing(150, 100);
    CImage32 expected;
    {
        const QImage shown = c->DrawingWidget().ImageView();
        expected = CImage32(shown.width(), shown.height());
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                expected.Set(x, y, shown.pixel(x, y));
    }

    QStringList types;
    const std::string bmp = f.File("shot.bmp");
    f.dialogs.Then(DialogAnswerer::ChooseFile(bmp, &types));
    f.Run(CommandId::SaveImage);
    EXPECT_EQ(types, QStringList({"All Supported Formats (*.BMP,*.JPG)", "BMP files (*.BMP)", "JPEG files (*.JPG)",
                                  "PNG files (*.PNG)"}));
    CImage32 read;
    ASSERT_TRUE(LoadImageFile(bmp, read));
    EXPECT_EQ(read, expected);

    // JPEG asks for the quality; cancelling writes nothing and keeps the setting.
    const std::string jpg = f.File("shot.jpg");
    f.app.m_imaging.m_jpegQuality = 16;
    f.dialogs.Then(DialogAnswerer::ChooseFile(jpg));
    f.dialogs.Then(DialogAnswerer::Cancel());
    f.Run(CommandId::SaveImage);
    EXPECT_FALSE(std::filesystem::exists(jpg));
    EXPECT_EQ(f.app.m_imaging.m_jpegQuality, 16);

    int opensAt = 0;
    auto saveJpeg = [&](const std::string& path, int position) {
        f.dialogs.Then(DialogAnswerer::ChooseFile(path));
        f.dialogs.Then([position, &opensAt](QDialog& w) {
            auto* d = qobject_cast<CJpegSettingsDialog*>(&w);
            ASSERT_NE(d, nullptr);
            opensAt = d->Slider()->value();
            d->Slider()->setValue(position);
            d->accept();
        });
        f.Run(CommandId::SaveImage);
        CImage32 img;
        EXPECT_TRUE(LoadImageFile(path, img));
        EXPECT_EQ(img.Width(), 150);
        long error = 0;
        for (int y = 0; y < img.Height() && img.Width() == 150; ++y)
            for (int x = 0; x < 150; ++x) {
                const Pixel a = img.At(x, y), b = expected.At(x, y);
                error += std::abs(PixelRed(a) - PixelRed(b)) + std::abs(PixelGreen(a) - PixelGreen(b)) +
                         std::abs(PixelBlue(a) - PixelBlue(b));
            }
        return double(error) / (150 * 100 * 3);
    };
    const double low = saveJpeg(f.File("low.jpg"), 1);
    EXPECT_EQ(opensAt, 16);
    EXPECT_EQ(f.app.m_imaging.m_jpegQuality, 1);
    const double high = saveJpeg(jpg, 20);
    EXPECT_EQ(opensAt, 1) << "the dialog opens at the last quality";
    EXPECT_TRUE(f.dialogs.titles.contains("JPEG settings"));
    EXPECT_EQ(f.app.m_imaging.m_jpegQuality, 20);
    std::printf("mean JPEG error per channel: quality 5 %.2f, quality 100 %.2f\n", low, high);
    EXPECT_LT(high, low / 2) << "the slider reaches the encoder";
    EXPECT_LT(high, 8.0) << "colours right way round; only the halved colour resolution blurs edges";
    EXPECT_GT(Bytes(jpg).size(), Bytes(f.File("low.jpg")).size());

    // PNG holds exactly what the BMP holds, and Qt's own reader sees the same pixels.
    const std::string png = f.File("shot.png");
    f.dialogs.Then(DialogAnswerer::ChooseFile(png));
    f.Run(CommandId::SaveImage);
    ASSERT_TRUE(LoadImageFile(png, read));
    EXPECT_EQ(read, expected);
    const QImage byQt(QString::fromStdString(png));
    ASSERT_EQ(byQt.size(), QSize(expected.Width(), expected.Height()));
    int differ = 0;
    for (int y = 0; y < byQt.height(); ++y)
        for (int x = 0; x < byQt.width(); ++x)
            differ += (byQt.pixel(x, y) & 0xFFFFFF) != (expected.At(x, y) & 0xFFFFFF);
    EXPECT_EQ(differ, 0);
    EXPECT_LT(Bytes(png).size(), Bytes(bmp).size());

    // A name of another kind is answered, not silently dropped.
    f.dialogs.Then(DialogAnswerer::ChooseFile(f.File("shot.gif")));
    f.Run(CommandId::SaveImage);
    EXPECT_FALSE(std::filesystem::exists(f.File("shot.gif")));
    ASSERT_FALSE(f.host.messages.empty());
    EXPECT_NE(f.host.messages.back().text.find(".bmp"), std::string::npos);
}

TEST(ImageCommands, LowColourDisplayOffersBmpOnlyAndNoBackground)
{
    ProgramRig f;
    f.app.m_imaging.m_lowColor = 1;
    f.Drawing(120, 80);
    f.Frame().UpdateCommands();
    EXPECT_FALSE(f.Act(CommandId::LoadBackground)->isEnabled());
    QStringList types;
    f.dialogs.Then(DialogAnswerer::ChooseFile(f.File("low.bmp"), &types));
    f.Run(CommandId::SaveImage);
    EXPECT_EQ(types, QStringList{"BMP files (*.BMP)"});
    EXPECT_TRUE(std::filesystem::exists(f.File("low.bmp")));
}
