#include "core/settings/CAutoChange.h"
#include "core/model/UndoKind.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/shell/CDaubrixApp.h"
#include "app/view/CDrawingWidget.h"
#include "core/commands/DrawingCommands.h"
#include <QtTest/QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {
// A drawing shown in a real widget, driven with synthetic pointer input.
struct WidgetDrawing {
    FakeHost host;
    CDaubrixApp app{host};
    CDaubrixDoc doc{app.ShapeTable(), &host};
    std::unique_ptr<CDaubrixView> view;
    std::unique_ptr<CDrawingWidget> widget;

    WidgetDrawing(int w, int h, bool realShapes)
    {
        if (realShapes) {
            app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
            app.ShapeTable().PrepareAll();
        } else {
            LoadTestShapes(app.ShapeTable());
        }
        doc.SetWidth(w);
        doc.SetHeight(h);
        app.Drawing().m_jitter = 0;
        app.Drawing().m_polar = 0;
        view = std::make_unique<CDaubrixView>(app, doc);
        widget = std::make_unique<CDrawingWidget>(*view);
        widget->resize(w, h);
        widget->show();
        view->OnInitialUpdate();
        widget->RunEngine();
    }
    void Drag(const std::vector<QPoint>& pts)
    {
        QTest::mousePress(widget.get(), Qt::LeftButton, Qt::NoModifier, pts.front());
        for (size_t i = 1; i < pts.size(); ++i)
            QTest::mouseMove(widget.get(), pts[i]);
        QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::NoModifier, pts.back());
        widget->RunEngine();
    }
    QImage Grab() { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};
} // namespace

TEST(CDrawingWidgetStroke, MouseStrokeAddsGlobsAndShowsThem)
{
    WidgetDrawing d(160, 120, false);
    const QColor background = QColor(d.Grab().pixel(80, 60));
    d.Drag({{20, 30}, {40, 30}, {60, 35}});
    ASSERT_EQ(d.doc.GetGlobCount(), 3);
    EXPECT_EQ(d.doc.GetGlob(1).m_x, 40);
    EXPECT_EQ(d.doc.GetGlob(2).m_y, 35);
    EXPECT_EQ(d.doc.Sections().Count(), 1);
    EXPECT_EQ(d.doc.Undo().Kind(), kUndoDrawing);
    QImage img = d.Grab();
    EXPECT_NE(QColor(img.pixel(40, 30)), background);
    EXPECT_EQ(QColor(img.pixel(120, 100)), background);
    EXPECT_EQ(img, d.widget->ImageView());

    // Undo through the engine hides the stroke on screen too.
    d.view->History().Undo();
    d.widget->RunEngine();
    EXPECT_EQ(QColor(d.Grab().pixel(40, 30)), background);
}

TEST(CDrawingWidgetStroke, OriginOffsetShiftsPointerIntoDrawingCoordinates)
{
    WidgetDrawing d(100, 80, false);
    d.view->SetOriginOffset(-10, -5);
    d.Drag({{60, 45}});
    ASSERT_EQ(d.doc.GetGlobCount(), 1);
    EXPECT_EQ(d.doc.GetGlob(0).m_x, 50);
    EXPECT_EQ(d.doc.GetGlob(0).m_y, 40);
}

TEST(CDrawingWidgetStroke, LinesRubberBandIsInvertedOverlayOnly)
{
    WidgetDrawing d(160, 120, false);
    DrawingCommands::ToggleLines(d.app.Modes(), d.view.get());
    d.Drag({{20, 60}});
    // Frozen until the window has painted once after the click.
    EXPECT_TRUE(d.view->Stroke().WaitingForPaint());
    d.Grab();
    QTest::mouseMove(d.widget.get(), QPoint(140, 60));
    QImage img = d.Grab();
    const QColor bg = QColor(d.widget->ImageView().pixel(80, 60));
    const QColor shown = QColor(img.pixel(80, 60));
    EXPECT_EQ(shown, QColor(255 - bg.red(), 255 - bg.green(), 255 - bg.blue()));
    // The band is not part of the drawing.
    EXPECT_EQ(d.doc.GetGlobCount(), 0);
    d.Drag({{140, 60}});
    EXPECT_EQ(d.doc.GetGlobCount(), 20);   // 120 px at 6 px spacing
}

TEST(CDrawingWidgetStroke, MoveCenterClickAndRightButtonLeave)
{
    WidgetDrawing d(160, 120, false);
    d.view->Stroke().ToggleMoveCenter();
    EXPECT_EQ(d.widget->cursor().shape(), Qt::BitmapCursor);
    d.Drag({{30, 40}});
    EXPECT_EQ(d.view->Center(), (CPoint{30, 40}));
    EXPECT_FALSE(d.app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(d.doc.GetGlobCount(), 0);
    d.view->Stroke().ToggleMoveCenter();
    QTest::mouseClick(d.widget.get(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(d.app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(d.view->Center(), (CPoint{30, 40}));
}

TEST(CDrawingWidgetStroke, ShiftCapturesOnlyInLinesModeAndEscapeLeavesMoveCenter)
{
    WidgetDrawing d(160, 120, false);
    QTest::keyPress(d.widget.get(), Qt::Key_Shift);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::keyRelease(d.widget.get(), Qt::Key_Shift);
    DrawingCommands::ToggleLines(d.app.Modes(), d.view.get());
    QTest::keyPress(d.widget.get(), Qt::Key_Shift);
    EXPECT_EQ(QWidget::mouseGrabber(), d.widget.get());
    QTest::keyRelease(d.widget.get(), Qt::Key_Shift);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    d.view->Stroke().ToggleMoveCenter();
    EXPECT_EQ(d.app.Drawing().m_lineMode, 0);
    QTest::keyClick(d.widget.get(), Qt::Key_Escape);
    EXPECT_FALSE(d.app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(d.app.Drawing().m_lineMode, 1);
}

TEST(CDrawingWidgetStroke, ShapeCursorKeepsTheOutlineMasks)
{
    CShapeCursor c;
    c.andMask.fill(1);
    c.andMask[3 * 32 + 4] = 0;      // black
    c.andMask[3 * 32 + 5] = 0;      // white
    c.xorMask[3 * 32 + 5] = 1;
    c.hotX = 7;
    c.hotY = 9;
    QCursor q = CDrawingWidget::ShapeCursor(c);
    EXPECT_EQ(q.hotSpot(), QPoint(7, 9));
    QImage mask = q.mask().toImage();
    QImage pic = q.bitmap().toImage();
    EXPECT_EQ(QColor(mask.pixel(4, 3)), QColor(Qt::black));
    EXPECT_EQ(QColor(mask.pixel(5, 3)), QColor(Qt::black));
    EXPECT_EQ(QColor(mask.pixel(0, 0)), QColor(Qt::white));
    EXPECT_EQ(QColor(pic.pixel(4, 3)), QColor(Qt::black));
    EXPECT_EQ(QColor(pic.pixel(5, 3)), QColor(Qt::white));
}

// A polar drawing with the hue drifting, drawn through the widget and saved for a look.
TEST(CDrawingWidgetStroke, PolarDrawingWithAutomaticHue)
{
    WidgetDrawing d(400, 300, true);
    ASSERT_GT(d.app.ShapeTable().Count(), 0);
    d.app.Drawing().m_polar = 1;
    d.app.Drawing().m_polarCount = 7;
    d.app.CurrentShape().m_hue = 0;
    d.app.CurrentShape().Recolor(0, 255, 255);
    d.app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    const CPoint c = d.view->Center();
    std::vector<QPoint> pts;
    for (int i = 0; i <= 160; ++i) {
        const double t = i / 160.0 * 6.0;
        const double r = 20 + 110 * i / 160.0;
        pts.emplace_back(c.x + static_cast<int>(r * std::cos(t)), c.y + static_cast<int>(r * std::sin(t)));
    }
    d.Drag(pts);
    EXPECT_EQ(d.doc.GetGlobCount(), 161 * 7);
    // 161 requests at speed 10 step the hue 26 times, 5 degrees each.
    EXPECT_EQ(d.app.CurrentShape().m_hue, 130);
    EXPECT_EQ(d.doc.GetColorChangeCount(), 27);
    QImage img = d.Grab();
    EXPECT_EQ(img, d.widget->ImageView());
    img.save("/tmp/drawing_polar_autohue.png");
}
