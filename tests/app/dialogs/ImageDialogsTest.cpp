#include "app/dialogs/CJpegSettingsDialog.h"
#include "app/dialogs/CLoadBackgroundDialog.h"
#include "app/dialogs/CQtImageDialogs.h"
#include "core/imaging/JpegFile.h"
#include "core/imaging/PackedDib.h"
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList Texts(const QWidget& w)
{
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>())
        out << l->text();
    for (const QGroupBox* g : w.findChildren<QGroupBox*>())
        out << g->title();
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        out << b->text();
    return out;
}

CImage32 Pattern(int w, int h)
{
    CImage32 img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Set(x, y, MakePixel(x * 50 % 256, y * 70 % 256, (x * 13 + y * 7) % 256));
    return img;
}
} // namespace

TEST(JpegSettingsDialog, SliderRangeTextsAndReadBack)
{
    CJpegSettingsDialog dialog(16);
    EXPECT_EQ(dialog.windowTitle(), "JPEG settings");
    EXPECT_EQ(dialog.Slider()->minimum(), 1);
    EXPECT_EQ(dialog.Slider()->maximum(), 20);
    EXPECT_EQ(dialog.Position(), 16);
    const QStringList texts = Texts(dialog);
    EXPECT_TRUE(texts.contains("Image Quality"));
    EXPECT_TRUE(texts.contains("Low\n(smaller)"));
    EXPECT_TRUE(texts.contains("High\n(larger)"));
    dialog.show();
    dialog.Slider()->setFocus();
    QTest::keyClick(dialog.Slider(), Qt::Key_End);
    EXPECT_EQ(dialog.Position(), 20);
    CJpegSettingsDialog clamped(99);
    EXPECT_EQ(clamped.Position(), 20);
    dialog.grab().save("/tmp/jpeg_settings.png");
}

TEST(LoadBackgroundDialog, StartsOnTheLastChoiceAndKeepsOneChecked)
{
    CLoadBackgroundDialog dialog(BackgroundSizing::SquashStretch);
    EXPECT_EQ(dialog.windowTitle(), "Load Background Image");
    EXPECT_EQ(dialog.Sizing(), BackgroundSizing::SquashStretch);
    const QStringList texts = Texts(dialog);
    for (const char* t : {"Size", "Fit drawing", "Squash/Stretch", "Normal"})
        EXPECT_TRUE(texts.contains(t)) << t;
    dialog.show();
    // Click on the indicator: the buttons are as wide as the group, their label is not.
    auto click = [&](BackgroundSizing s) {
        QRadioButton* b = dialog.Button(s);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    };
    click(BackgroundSizing::Normal);
    EXPECT_EQ(dialog.Sizing(), BackgroundSizing::Normal);
    EXPECT_FALSE(dialog.Button(BackgroundSizing::SquashStretch)->isChecked());
    EXPECT_FALSE(dialog.Button(BackgroundSizing::Fit)->isChecked());
    click(BackgroundSizing::Fit);
    EXPECT_EQ(dialog.Sizing(), BackgroundSizing::Fit);
    EXPECT_FALSE(dialog.Button(BackgroundSizing::Normal)->isChecked());
    EXPECT_EQ(CLoadBackgroundDialog(BackgroundSizing::Fit).Sizing(), BackgroundSizing::Fit);
    dialog.grab().save("/tmp/load_background.png");
}

TEST(ImageDialogs, FilterTexts)
{
    const QStringList all = CQtImageDialogs::ImageNameFilters(false);
    ASSERT_EQ(all.size(), 4);
    EXPECT_TRUE(all[0].startsWith("All Supported Formats (*.BMP,*.JPG) ("));
    EXPECT_TRUE(all[0].contains("*.png"));
    EXPECT_TRUE(all[1].startsWith("BMP files (*.BMP) ("));
    EXPECT_TRUE(all[2].startsWith("JPEG files (*.JPG) ("));
    EXPECT_TRUE(all[3].startsWith("PNG files (*.PNG) ("));
    EXPECT_EQ(CQtImageDialogs::ImageNameFilters(true), QStringList{"BMP files (*.BMP) (*.bmp)"});

    // What the user reads in the file-type box is the program's text without the patterns.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ConfigureFileDialog(dialog, QFileDialog::AcceptSave, all, "bmp");
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 4);
    EXPECT_EQ(types->itemText(0).trimmed(), "All Supported Formats (*.BMP,*.JPG)");
    EXPECT_EQ(types->itemText(2).trimmed(), "JPEG files (*.JPG)");
    EXPECT_EQ(types->itemText(3).trimmed(), "PNG files (*.PNG)");
    EXPECT_EQ(dialog.defaultSuffix(), "bmp");
    dialog.resize(640, 400);
    dialog.grab().save("/tmp/save_image_dialog.png");
}

TEST(ImageFilesInQt, OurBmpOpensPixelExactAndJpegClose)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int w : {1, 2, 3, 5, 8}) {
        const CImage32 img = Pattern(w, 4);
        const QString bmp = dir.filePath(QString("p%1.bmp").arg(w));
        ASSERT_TRUE(SaveBitmapAsBmp(bmp.toStdString(), img));
        QImage q(bmp);
        ASSERT_FALSE(q.isNull()) << w;
        ASSERT_EQ(q.width(), w);
        ASSERT_EQ(q.height(), 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(q.pixel(x, y) | 0xFF000000u, img.At(x, y)) << w << " " << x << "," << y;
    }
    CImage32 flat(24, 16, MakePixel(10, 200, 90));
    flat.FillRect({0, 0, 24, 4}, MakePixel(250, 30, 30));
    const QString jpg = dir.filePath("c.jpg");
    ASSERT_TRUE(WriteJpegFile(jpg.toStdString(), 100, flat));
    QImage q(jpg);
    ASSERT_FALSE(q.isNull());
    EXPECT_NEAR(qRed(q.pixel(5, 10)), 10, 3);
    EXPECT_NEAR(qGreen(q.pixel(5, 10)), 200, 3);
    EXPECT_NEAR(qRed(q.pixel(5, 1)), 250, 3);
}
