#include "app/print/CPagePreview.h"
#include "app/print/CPrintSizeDialog.h"
#include "tests/app/support/Shots.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
CPrintSettings Letter(int width = 5100, bool center = true)
{
    CPrintSettings s;
    s.m_printer = {width, 6600, 600, 600};
    s.m_printCenter = center;
    return s;
}

// Whether some label, group or button of w reads text.
bool Shows(const QWidget& w, const char* text)
{
    for (const QObject* o : w.findChildren<QObject*>())
        if (o->property("text").toString() == text || o->property("title").toString() == text)
            return true;
    return false;
}
} // namespace

TEST(PrintSizeDialog, OpensWithEveryControlFilled)
{
    CPrintSizeDialog d(CPrintSizeModel(Letter(), 640, 480, 100));
    EXPECT_EQ(d.windowTitle(), "Drawing size on printer");
    for (const char* t : {"Dots per unit", "per", "Size on printer", "width:", "height:", "Center on page", "Max size"})
        EXPECT_TRUE(Shows(d, t)) << t;
    ASSERT_EQ(d.UnitBox()->count(), 3);
    EXPECT_EQ(d.UnitBox()->itemText(0), "inch");
    EXPECT_EQ(d.UnitBox()->itemText(2), "mm");
    EXPECT_EQ(d.UnitBox()->currentIndex(), 0);
    EXPECT_EQ(d.DotsBox()->value(), 100);
    EXPECT_EQ(d.DotsBox()->minimum(), 74);
    EXPECT_EQ(d.DotsBox()->maximum(), 2048);
    EXPECT_EQ(d.WidthBox()->text(), "6.40");
    EXPECT_EQ(d.HeightBox()->text(), "4.80");
    EXPECT_TRUE(d.WidthBox()->isReadOnly());
    EXPECT_EQ(d.WidthUnit()->text(), "inches");
    EXPECT_EQ(d.HeightUnit()->text(), "inches");
    EXPECT_TRUE(d.CenterBox()->isChecked());
    // The page frame has the page's proportions, the drawing stands in its middle.
    const QRect page = d.Preview()->PageFrame(), drawing = d.Preview()->DrawingFrame();
    EXPECT_EQ(page.height(), CPagePreview::kSide - 4);
    EXPECT_NEAR(page.width() * 6600.0 / page.height(), 5100, 60);
    EXPECT_TRUE(page.contains(drawing));
    EXPECT_NEAR(drawing.center().x(), page.center().x(), 1);
    EXPECT_NEAR(drawing.center().y(), page.center().y(), 1);
    d.show();
    const QImage shot = GrabFor(d, "print_size_dialog");
    const QPoint inDrawing = d.Preview()->mapTo(&d, drawing.center());
    EXPECT_EQ(shot.pixel(inDrawing) & 0xFFFFFFu, 0x808080u);
}

TEST(PrintSizeDialog, ControlsActThroughTheModel)
{
    CPrintSizeDialog d(CPrintSizeModel(Letter(4800), 640, 480, 100));
    d.show();
    d.UnitBox()->setCurrentIndex(1);
    EXPECT_EQ(d.DotsBox()->value(), 39);
    EXPECT_EQ(d.WidthUnit()->text(), "cm");
    EXPECT_EQ(d.HeightUnit()->text(), "cm");
    EXPECT_EQ(d.WidthBox()->text(), "16.41");
    d.UnitBox()->setCurrentIndex(0);
    EXPECT_EQ(d.DotsBox()->value(), 99);

    // Typed numbers outside the range never become the dots per unit.
    for (const char* typed : {"0", "-3", "3000"}) {
        d.DotsBox()->selectAll();
        QTest::keyClicks(d.DotsBox(), typed);
        EXPECT_GE(d.Model().Dots(), 79) << typed;
        EXPECT_LE(d.Model().Dots(), 2048) << typed;
    }
    d.DotsBox()->setValue(150);
    EXPECT_EQ(d.Model().Dots(), 150);
    EXPECT_EQ(d.HeightBox()->text(), "3.20");

    QTest::mouseClick(d.MaxSizeButton(), Qt::LeftButton);
    EXPECT_EQ(d.DotsBox()->value(), 79);
    EXPECT_EQ(d.WidthBox()->text(), "8.10");
    const QRect page = d.Preview()->PageFrame();
    // At the largest size the drawing reaches across the page, inside its border.
    EXPECT_EQ(d.Preview()->DrawingFrame().left(), page.left() + 1);
    EXPECT_EQ(d.Preview()->DrawingFrame().right(), page.right() - 1);

    d.DotsBox()->setValue(200);
    d.CenterBox()->click();
    EXPECT_FALSE(d.Model().Center());
    EXPECT_EQ(d.Preview()->DrawingFrame().topLeft(), page.topLeft() + QPoint(1, 1));
    GrabFor(d, "print_size_dialog_corner");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Model().Dots(), 200);
    EXPECT_EQ(d.Model().Unit(), PrintUnit::Inch);
}
