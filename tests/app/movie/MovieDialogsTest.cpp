#include "app/dialogs/CAviOptionsDialog.h"
#include "app/dialogs/CMovieDialog.h"
#include "app/widgets/CNumberSpinBox.h"
#include "core/movie/VideoCompressors.h"
#include "core/settings/CMovieSettings.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/app/support/Shots.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

MovieDialogValues Values(bool movie)
{
    MovieDialogValues v;
    v.drawingWidth = 641;
    v.drawingHeight = 480;
    v.frames = 10;
    v.scale = 100;
    v.fps = 30;
    v.isMovie = movie;
    return v;
}

void Type(CNumberSpinBox* box, const QString& text)
{
    box->SetText(text);
}

// Keeps the text of the message box it answers.
DialogAnswerer::Act ReadMessage(QString& said)
{
    return [&said](QDialog& box) {
        said = static_cast<QMessageBox&>(box).text();
        box.accept();
    };
}

int IndexOf(const std::vector<CompressorInfo>& list, uint32_t handler)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].handler == handler)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(MovieDialog, LengthAndFrameSizeFollowWhatIsTyped)
{
    CMovieDialog dialog(Values(true));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Create Movie");
    EXPECT_EQ(dialog.LengthEdit()->text(), "0.33");
    EXPECT_EQ(dialog.WidthEdit()->text(), "641");
    EXPECT_FALSE(dialog.LengthEdit()->isEnabled());
    Type(dialog.FramesBox(), "60");
    EXPECT_EQ(dialog.LengthEdit()->text(), "2.00");
    Type(dialog.FpsBox(), "0");   // taken as 1
    EXPECT_EQ(dialog.LengthEdit()->text(), "60.00");
    Type(dialog.FpsBox(), "24");
    EXPECT_EQ(dialog.LengthEdit()->text(), "2.50");
    Type(dialog.ScaleBox(), "50");
    EXPECT_EQ(dialog.WidthEdit()->text(), "320");
    EXPECT_EQ(dialog.HeightEdit()->text(), "240");
    Type(dialog.ScaleBox(), "250");
    EXPECT_EQ(dialog.ScaleBox()->Text(), "200");
    EXPECT_EQ(dialog.WidthEdit()->text(), "1282");
    // An empty first frame needs a second one.
    Type(dialog.FramesBox(), "1");
    dialog.FirstEmptyBox()->click();
    EXPECT_EQ(dialog.FramesBox()->Text(), "2");
    Type(dialog.HoldBox(), "3");
    MaybeShoot(dialog, "create_movie_dialog");
    dialog.accept();
    const MovieDialogValues v = dialog.Values();
    EXPECT_EQ(v.frames, 2);
    EXPECT_EQ(v.fps, 24);
    EXPECT_EQ(v.scale, 200);
    EXPECT_EQ(v.hold, 3);
    EXPECT_TRUE(v.firstEmpty);
}

TEST(MovieDialog, PictureSeriesHasNoMovieControlsAndTheScaleIsChecked)
{
    CMovieDialog dialog(Values(false));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Create Image Sequence");
    EXPECT_FALSE(dialog.FpsBox()->isEnabled());
    EXPECT_FALSE(dialog.HoldBox()->isEnabled());
    MaybeShoot(dialog, "create_image_sequence_dialog");
    Type(dialog.ScaleBox(), "0");
    DialogAnswerer answers;
    QString said;
    answers.Then(ReadMessage(said));
    dialog.accept();
    EXPECT_EQ(said, "Please enter an integer between 1 and 200.");
    EXPECT_TRUE(dialog.isVisible()) << "a bad scale keeps the dialog open";
    EXPECT_EQ(dialog.result(), 0);
}

TEST(MovieDialog, AFrameRateOutsideOneTo120IsRefusedAsTheCommandLineRefusesIt)
{
    for (const char* typed : {"0", "121", "500"}) {
        SCOPED_TRACE(typed);
        CMovieDialog dialog(Values(true));
        dialog.show();
        Type(dialog.FpsBox(), typed);
        DialogAnswerer answers;
        QString said;
        answers.Then(ReadMessage(said));
        dialog.accept();
        EXPECT_EQ(said, "Please enter an integer between 1 and 120.");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
    }
    CMovieDialog dialog(Values(true));
    dialog.show();
    Type(dialog.FpsBox(), "120");
    dialog.accept();
    EXPECT_EQ(dialog.Values().fps, 120);
}

TEST(AviOptionsDialog, ControlsFollowTheChosenCompressorAndBadNumbersAreRefused)
{
    const std::vector<CompressorInfo> list = ListCompressors();
    const int mjpeg = IndexOf(list, FourCC("MJPG"));
    const int mpeg4 = IndexOf(list, FourCC("FMP4"));
    ASSERT_GE(mjpeg, 0);
    ASSERT_GE(mpeg4, 0);
    CAviOptionsModel model(list, AviOptions{});
    model.Open(CMovieSettings{});
    CAviOptionsDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "AVI Options");
    ASSERT_EQ(dialog.Compressors()->count(), static_cast<int>(list.size()));
    EXPECT_EQ(dialog.Compressors()->itemText(dialog.Compressors()->count() - 1), "Full Frames (Uncompressed)");

    dialog.Compressors()->setCurrentIndex(static_cast<int>(list.size()) - 1);
    for (QWidget* w : {static_cast<QWidget*>(dialog.Quality()), static_cast<QWidget*>(dialog.KeyFrames()),
                       static_cast<QWidget*>(dialog.DataRate()), static_cast<QWidget*>(dialog.AboutButton()),
                       static_cast<QWidget*>(dialog.ConfigureButton())})
        EXPECT_FALSE(w->isEnabled());

    dialog.Compressors()->setCurrentIndex(mjpeg);
    EXPECT_TRUE(dialog.Quality()->isEnabled());
    EXPECT_EQ(dialog.Quality()->value(), list[mjpeg].defaultQuality);
    EXPECT_FALSE(dialog.KeyFrames()->isEnabled());
    EXPECT_TRUE(dialog.AboutButton()->isEnabled());

    dialog.Compressors()->setCurrentIndex(mpeg4);
    EXPECT_TRUE(dialog.KeyFrames()->isEnabled());
    EXPECT_EQ(dialog.KeyFrameEdit()->text(), QString::number(list[mpeg4].defaultKeyRate));
    dialog.KeyFrames()->setChecked(true);
    dialog.KeyFrameEdit()->clear();
    QTest::keyClicks(dialog.KeyFrameEdit(), "0");
    MaybeShoot(dialog, "avi_options_dialog");
    DialogAnswerer answers;
    QString said;
    answers.Then(ReadMessage(said));
    dialog.accept();
    EXPECT_EQ(said, "Please enter a number greater than zero");
    EXPECT_TRUE(dialog.isVisible());

    dialog.KeyFrameEdit()->clear();
    QTest::keyClicks(dialog.KeyFrameEdit(), "12");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Options().handler, FourCC("FMP4"));
    EXPECT_EQ(dialog.Options().keyFrameEvery, 12);
    EXPECT_EQ(dialog.Options().keyFramesOn, 1);
}
