#include "tests/app/support/Shots.h"
#include "tests/core/support/FakeHost.h"
#include "app/windows/CColorValuesDialog.h"
#include "app/widgets/CRangeSpinBox.h"
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
HsvColor C(int h, int s, int v)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}

struct ValuesDialogFixture : ::testing::Test {
    FakeHost host;
    CColorValuesDialog dlg{host, C(0, 255, 255)};

    CRangeSpinBox* Edit(const char* name) { return dlg.findChild<CRangeSpinBox*>(name); }
    void Type(const char* name, const QString& text)
    {
        CRangeSpinBox* e = Edit(name);
        e->findChild<QLineEdit*>()->setText(text);
        e->interpretText();
    }
    int Number(const char* name) { return Edit(name)->value(); }
};
} // namespace

TEST_F(ValuesDialogFixture, OpensWithBothHalvesOfTheColour)
{
    EXPECT_EQ(dlg.windowTitle(), "Enter Color Values");
    EXPECT_EQ(Number("hue"), 0);
    EXPECT_EQ(Number("saturation"), 255);
    EXPECT_EQ(Number("value"), 255);
    EXPECT_EQ(Number("red"), 255);
    EXPECT_EQ(Number("green"), 0);
    EXPECT_EQ(Number("blue"), 0);
    EXPECT_EQ(dlg.SwatchColor(), QColor(255, 0, 0));
    dlg.show();
    GrabFor(dlg, "color_values_dialog");
}

TEST_F(ValuesDialogFixture, ValueOnlyChangeKeepsTheTypedHsv)
{
    Type("value", "128");
    EXPECT_EQ(dlg.SwatchColor(), QColor(128, 0, 0));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.ResultColor(), C(0, 255, 128));
}

TEST_F(ValuesDialogFixture, TypedRgbDecides)
{
    Type("red", "0");
    Type("blue", "255");
    EXPECT_EQ(dlg.SwatchColor(), QColor(0, 0, 255));
    dlg.accept();
    EXPECT_EQ(dlg.ResultColor(), C(240, 255, 255));
}

TEST_F(ValuesDialogFixture, ConversionButtons)
{
    Type("hue", "200");
    Type("saturation", "100");
    Type("value", "100");
    dlg.findChild<QPushButton*>("toRgb")->click();
    EXPECT_EQ(Number("red"), 60);
    EXPECT_EQ(Number("green"), 86);
    EXPECT_EQ(Number("blue"), 100);
    EXPECT_EQ(dlg.SwatchColor(), QColor(60, 86, 100));
    dlg.findChild<QPushButton*>("toHsv")->click();
    EXPECT_NEAR(Number("hue"), 200, 2);
    EXPECT_NEAR(Number("saturation"), 100, 2);
    EXPECT_NEAR(Number("value"), 100, 2);
}

TEST_F(ValuesDialogFixture, OutOfRangeIsRefusedAndTheDialogStays)
{
    Type("hue", "361");
    dlg.show();
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please enter an integer between 0 and 360.");
    EXPECT_TRUE(dlg.isVisible());

    Type("hue", "360");
    Type("green", "256");
    dlg.accept();
    EXPECT_EQ(host.messages.back().text, "Please enter an integer between 0 and 255.");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    // A box without a number gets the plain refusal, not the range.
    Edit("green")->findChild<QLineEdit*>()->setText("");
    dlg.accept();
    EXPECT_EQ(host.messages.back().text, "Please enter an integer.");
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    Type("green", "0");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(ValuesDialogFixture, ArrowsStayInRange)
{
    CRangeSpinBox* hue = Edit("hue");
    hue->setValue(359);
    hue->stepBy(5);
    EXPECT_EQ(hue->value(), 360);
    Edit("blue")->stepBy(-3);
    EXPECT_EQ(Number("blue"), 0);
    Edit("blue")->stepBy(2);
    EXPECT_EQ(Number("blue"), 2);
    EXPECT_EQ(dlg.SwatchColor(), QColor(255, 0, 2));
}
