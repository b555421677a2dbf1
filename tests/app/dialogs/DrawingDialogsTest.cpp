#include "app/dialogs/CAutoChangeDialog.h"
#include "app/dialogs/COnOffAmountDialog.h"
#include "app/dialogs/CPolarMirrorDialog.h"
#include "app/dialogs/CSkippingDialog.h"
#include "app/widgets/CSpinEdit.h"
#include <QRadioButton>
#include <QSlider>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {
QStringList Texts(const CAutoChangeDialog& d)
{
    QStringList out;
    for (QRadioButton* b : d.Buttons())
        out << b->text();
    return out;
}

void Show(QDialog& d, const char* png)
{
    d.show();
    d.adjustSize();
    d.grab().save(QString("/tmp/") + png);
}
} // namespace

TEST(AutoChangeDialog, ButtonOrdersAndTitles)
{
    CAutoChangeDialog hue(ColorComponent::Hue, kAutoDown, 7);
    EXPECT_EQ(hue.windowTitle(), "AutoChange Hue");
    EXPECT_EQ(Texts(hue), (QStringList{"Up", "Down", "Up && Down", "Down && Up", "Random", "Off"}));
    CAutoChangeDialog sat(ColorComponent::Saturation, kAutoOff, 5);
    EXPECT_EQ(sat.windowTitle(), "AutoChange Saturation");
    EXPECT_EQ(Texts(sat), (QStringList{"Up && Down", "Up", "Down", "Down && Up", "Random", "Off"}));
    CAutoChangeDialog val(ColorComponent::Value, kAutoRandom, 5);
    EXPECT_EQ(val.windowTitle(), "AutoChange Value");
    Show(hue, "drawing_autochange_hue.png");
    Show(sat, "drawing_autochange_sat.png");
    // Top to bottom, with "Off" beside "Random".
    const auto& b = hue.Buttons();
    for (int i = 1; i < 5; ++i)
        EXPECT_GT(b[i]->y(), b[i - 1]->y());
    EXPECT_EQ(b[5]->y(), b[4]->y());
    EXPECT_GT(b[5]->x(), b[4]->x());
}

TEST(AutoChangeDialog, PresetAndPlainRadioClicks)
{
    CAutoChangeDialog d(ColorComponent::Hue, kAutoDown, 7);
    EXPECT_TRUE(d.ButtonFor(kAutoDown)->isChecked());
    EXPECT_EQ(d.SpeedSlider()->value(), 7);
    QTest::mouseClick(d.ButtonFor(kAutoRandom), Qt::LeftButton);
    EXPECT_EQ(d.Mode(), kAutoRandom);
    int checked = 0;
    for (QRadioButton* b : d.Buttons())
        checked += b->isChecked();
    EXPECT_EQ(checked, 1);
    // Clicking the checked button keeps it checked.
    QTest::mouseClick(d.ButtonFor(kAutoRandom), Qt::LeftButton);
    EXPECT_TRUE(d.ButtonFor(kAutoRandom)->isChecked());
    // A mode outside the known ones shows Off.
    CAutoChangeDialog odd(ColorComponent::Value, 9, 3);
    EXPECT_TRUE(odd.ButtonFor(kAutoOff)->isChecked());
    EXPECT_EQ(odd.Mode(), kAutoOff);
}

TEST(ModeDialogs, LinesAndJitterPresets)
{
    COnOffAmountDialog lines(COnOffAmountDialog::LinesTexts(), true, 4);
    EXPECT_EQ(lines.windowTitle(), "Lines");
    EXPECT_TRUE(lines.IsOn());
    EXPECT_EQ(lines.Slider()->minimum(), 1);
    EXPECT_EQ(lines.Slider()->maximum(), 8);
    EXPECT_EQ(lines.Amount(), 4);
    Show(lines, "drawing_lines.png");
    COnOffAmountDialog jitter(COnOffAmountDialog::JitterTexts(), false, 12);
    EXPECT_EQ(jitter.windowTitle(), "Jitter");
    EXPECT_FALSE(jitter.IsOn());
    EXPECT_EQ(jitter.Amount(), 8);
    Show(jitter, "drawing_jitter.png");
}

TEST(ModeDialogs, PolarCountIsValidatedOnOk)
{
    CPolarMirrorDialog d(true, 5);
    EXPECT_EQ(d.windowTitle(), "Polar Mirror");
    Show(d, "drawing_polar.png");
    QStringList warned;
    d.m_warn = [&](const QString& t) { warned << t; };
    for (const char* bad : {"1", "51", "x", ""}) {
        d.CountEdit()->Edit()->setText(bad);
        d.accept();
        EXPECT_EQ(d.result(), QDialog::Rejected) << bad;
        EXPECT_TRUE(d.isVisible()) << bad;
    }
    ASSERT_EQ(warned.size(), 4);
    EXPECT_EQ(warned, QStringList({"Please enter an integer between 2 and 50.", "Please enter an integer between 2 and 50.",
                                   "Please enter an integer.", "Please enter an integer."}));
    d.CountEdit()->Edit()->setText("50");
    d.OffButton()->setChecked(true);
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Count(), 50);
    EXPECT_FALSE(d.IsOn());
}

TEST(ModeDialogs, SkippingMultiplierAndArrows)
{
    CSkippingDialog d(true, 3, 2);
    EXPECT_EQ(d.windowTitle(), "Skipping");
    EXPECT_EQ(d.Slider()->maximum(), 10);
    EXPECT_EQ(d.Amount(), 3);
    EXPECT_EQ(d.Multiplier(), 2);
    Show(d, "drawing_skipping.png");
    d.MultiplierEdit()->StepBy(20);
    EXPECT_EQ(d.Multiplier(), 10);
    QStringList warned;
    d.m_warn = [&](const QString& t) { warned << t; };
    d.MultiplierEdit()->Edit()->setText("2.5");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    ASSERT_EQ(warned.size(), 1);
    EXPECT_EQ(warned[0], "Please enter an integer.");
    d.MultiplierEdit()->Edit()->setText("11");
    d.accept();
    EXPECT_EQ(warned.value(1), "Please enter an integer between 1 and 10.");
    d.MultiplierEdit()->Edit()->setText(" 4 ");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Multiplier(), 4);
}
