#include "app/dialogs/CAviOptionsDialog.h"
#include "app/dialogs/CMovieDialog.h"
#include "app/widgets/CNumberSpinBox.h"
#include "core/imaging/ImageFile.h"
#include "core/movie/MovieSchedule.h"
#include "core/movie/VideoCompressors.h"
#include "tests/app/support/ProgramRig.h"
#include "tests/core/support/Commands.h"
#include "tests/core/support/RiffWalker.h"
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The movie dialog's answer: the frame count and the scale typed, then OK.
DialogAnswerer::Act MovieAnswer(int frames, int scale, int* offered = nullptr)
{
    return [=](QDialog& w) {
        auto* d = qobject_cast<CMovieDialog*>(&w);
        ASSERT_NE(d, nullptr);
        if (offered)
            *offered = d->FramesBox()->Text().toInt();
        d->FramesBox()->SetText(QString::number(frames));
        d->ScaleBox()->SetText(QString::number(scale));
        d->accept();
    };
}

} // namespace

TEST(CreateMovie, AUserMakesAMotionJpegMovieAndAPictureSeries)
{
    ProgramRig f;
    CChildFrame* c = f.Drawing(160, 120);
    const int globs = c->View().Doc().GetGlobCount();
    ASSERT_GT(globs, 10);
    ASSERT_TRUE(f.Act(CommandId::CreateMovie)->isEnabled());

    QStringList types;
    const std::string movie = f.File("grow.avi");
    int offered = 0;
    f.dialogs.Then(DialogAnswerer::ChooseFile(movie, &types));
    f.dialogs.Then(MovieAnswer(60, 100, &offered));
    f.dialogs.Then([](QDialog& w) {
        auto* d = qobject_cast<CAviOptionsDialog*>(&w);
        ASSERT_NE(d, nullptr);
        const int mjpeg = d->Compressors()->findData(FourCC("MJPG"));
        ASSERT_GE(mjpeg, 0);
        d->Compressors()->setCurrentIndex(mjpeg);
        d->accept();
    });
    f.Run(CommandId::CreateMovie);
    EXPECT_TRUE(f.dialogs.Done());
    EXPECT_EQ(types, QStringList({"All Supported Formats (*.BMP,*.AVI,*.MP4,*.WEBM,*.GIF,*.WEBP)", "BMP files (*.BMP)",
                                  "AVI files (*.AVI)", "MP4 movies (*.MP4)", "WebM movies (*.WEBM)",
                                  "GIF animations (*.GIF)", "WebP animations (*.WEBP)"}));
    EXPECT_EQ(offered, std::min(globs, 10));
    const int frames = std::min(60, globs);
    RiffWalker avi(movie);
    ASSERT_TRUE(avi.Ok()) << avi.Errors();
    EXPECT_EQ(avi.Field(FourCC("strh"), 4), FourCC("MJPG"));
    EXPECT_EQ(ProbeVideo(movie), "160,120,30/1," + std::to_string(frames));
    EXPECT_EQ(DecodeComplaints(movie), "");
    EXPECT_EQ(c->View().ShownCount(), globs);
    if (!qgetenv("DAUBRIX_SHOTS").isEmpty())
        RunCommand("ffmpeg -nostdin -v error -y -i " + Quoted(movie) + " -vf select='not(mod(n\\,"
                   + std::to_string(std::max(frames / 4, 1)) + "))',scale=320:-1,tile=4x1 -frames:v 1 "
                   + Quoted(qgetenv("DAUBRIX_SHOTS").toStdString() + "/movie_frames.png"));

    // Ten pictures at half size; the last shows the whole drawing.
    const std::string series = f.File("step.bmp");
    f.dialogs.Then(DialogAnswerer::ChooseFile(series));
    f.dialogs.Then(MovieAnswer(10, 50));
    f.Run(CommandId::CreateMovie);
    EXPECT_TRUE(f.dialogs.Done());
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(std::filesystem::exists(SequenceFileName(series, i))) << i;
    CImage32 last;
    ASSERT_TRUE(LoadImageFile(SequenceFileName(series, 9), last));
    EXPECT_EQ(last.Width(), 80);
    EXPECT_EQ(last.Height(), 60);
    const CImage32& shown = c->View().DrawingImage();
    int wrong = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            wrong += last.At(x, y) != (shown.At(2 * x, 2 * y) | 0xFF000000u);
    EXPECT_EQ(wrong, 0);
}

TEST(CreateMovie, DISABLED_TheOptionsDialogOffersWhatAnAnimationCanUseAndAnUnknownNameIsRefused)
{
    ProgramRig f;
    f.Drawing(160, 120);
    struct Case {
        const char* name;
        uint32_t handler;
        bool quality;
    };
    for (const Case& k : {Case{"a.gif", FourCC("GIF8"), false}, Case{"a.webp", FourCC("WEBP"), true}}) {
        SCOPED_TRACE(k.name);
        const std::string movie = f.File(k.name);
        f.dialogs.Then(DialogAnswerer::ChooseFile(movie));
        f.dialogs.Then(MovieAnswer(5, 50));
        f.dialogs.Then([&](QDialog& w) {
            auto* d = qobject_cast<CAviOptionsDialog*>(&w);
            ASSERT_NE(d, nullptr);
            ASSERT_EQ(d->Compressors()->count(), 1);
            EXPECT_EQ(d->Compressors()->itemData(0).toUInt(), k.handler);
            EXPECT_EQ(d->Quality()->isEnabled(), k.quality);
            EXPECT_FALSE(d->KeyFrames()->isEnabled());
            EXPECT_FALSE(d->DataRate()->isEnabled());
            EXPECT_FALSE(d->ConfigureButton()->isEnabled());
            d->accept();
        });
        f.Run(CommandId::CreateMovie);
        EXPECT_TRUE(f.dialogs.Done());
        EXPECT_TRUE(std::filesystem::is_regular_file(movie));
    }
    QString said;
    f.dialogs.Then(DialogAnswerer::ChooseFile(f.File("a.mov")));
    f.dialogs.Then([&said](QDialog& box) {
        said = static_cast<QMessageBox&>(box).text();
        box.accept();
    });
    f.Run(CommandId::CreateMovie);
    EXPECT_TRUE(f.dialogs.Done());
    EXPECT_TRUE(said.startsWith("No movie can be written as ")) << said.toStdString();
    EXPECT_FALSE(std::filesystem::exists(f.File("a.mov")));
}
