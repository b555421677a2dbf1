#include "app/dialogs/CNewDrawingDialog.h"
#include "app/widgets/CNumberSpinBox.h"
#include "tests/app/support/Shots.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
void Type(CNumberSpinBox* box, const QString& text)
{
    QLineEdit* e = box->findChild<QLineEdit*>();
    e->selectAll();
    e->del();
    QTest::keyClicks(e, text);
}
} // namespace

TEST(NewDrawingDialog, LockedWidthTypingMovesHeight)
{
    CNewDrawingDialog dlg(800, 600, true);
    dlg.m_showMessages = false;
    dlg.show();
    MaybeShoot(dlg, "new_drawing_locked");
    EXPECT_EQ(dlg.windowTitle(), "New Drawing");
    EXPECT_FALSE(dlg.HeightBox()->isEnabled());
    EXPECT_TRUE(dlg.LockBox()->isChecked());
    Type(dlg.WidthBox(), "1000");
    EXPECT_EQ(dlg.HeightBox()->Text(), "750");
    Type(dlg.WidthBox(), "50");
    EXPECT_EQ(dlg.HeightBox()->Text(), "75");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.LastMessage(), "Please enter an integer between 100 and 2048.");
    // Letters never reach a numeric box.
    Type(dlg.WidthBox(), "1x2");
    EXPECT_EQ(dlg.WidthBox()->Text(), "12");
    Type(dlg.WidthBox(), "1200");
    EXPECT_EQ(dlg.HeightBox()->Text(), "900");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.DrawingWidth(), 1200);
    EXPECT_EQ(dlg.DrawingHeight(), 900);
    EXPECT_TRUE(dlg.Locked());
}

TEST(NewDrawingDialog, PresetsAndTheLockBox)
{
    CNewDrawingDialog dlg(400, 400, false);
    dlg.m_showMessages = false;
    dlg.show();
    EXPECT_TRUE(dlg.HeightBox()->isEnabled());
    Type(dlg.WidthBox(), "700");
    EXPECT_EQ(dlg.HeightBox()->Text(), "400");   // not locked: height stays
    dlg.PresetButton(1)->click();
    EXPECT_EQ(dlg.WidthBox()->Text(), "800");
    EXPECT_EQ(dlg.HeightBox()->Text(), "600");
    dlg.LockBox()->click();
    EXPECT_FALSE(dlg.HeightBox()->isEnabled());
    Type(dlg.WidthBox(), "400");
    EXPECT_EQ(dlg.HeightBox()->Text(), "300");
    // The 400 x 400 preset while locked makes the ratio 1:1.
    dlg.PresetButton(3)->click();
    EXPECT_EQ(dlg.HeightBox()->Text(), "400");
    Type(dlg.WidthBox(), "1000");
    EXPECT_EQ(dlg.HeightBox()->Text(), "1000");
    dlg.LockBox()->click();
    EXPECT_TRUE(dlg.HeightBox()->isEnabled());
    Type(dlg.HeightBox(), "");
    dlg.accept();
    EXPECT_EQ(dlg.LastMessage(), "Please enter an integer.");
    EXPECT_TRUE(dlg.HeightBox()->hasFocus() || !dlg.isActiveWindow());
    MaybeShoot(dlg, "new_drawing_unlocked");
}

TEST(NewDrawingDialog, ArrowsStayInRange)
{
    CNumberSpinBox box(100, 2048);
    box.SetValue(2047);
    box.stepBy(1);
    EXPECT_EQ(box.Text(), "2048");
    box.stepBy(1);
    EXPECT_EQ(box.Text(), "2048");
    box.SetText("40");
    EXPECT_EQ(box.Position(), 100);
    box.stepBy(-1);
    EXPECT_EQ(box.Text(), "100");
}
