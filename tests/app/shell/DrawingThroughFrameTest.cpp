// The drawing commands as a user reaches them: toolbar buttons and menu actions of the wired
// program, with and without Ctrl, their dialogs, check marks, Move Center, the automatic colour
// drift in the Colors window and the view's cursor.
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "core/settings/CAutoChange.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CShapesWindow.h"
#include <QAction>
#include <QBitmap>
#include <QDialog>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {
using C = CommandId;

struct Program : ProgramRig {
    CDaubrixApp& App() { return app; }
    QToolButton* Button(C id)
    {
        return qobject_cast<QToolButton*>(frame->Toolbar(1)->widgetForAction(Act(id)));
    }
    // A click on a toolbar button, Ctrl held or not; the key state is let go afterwards.
    void Click(C id, bool ctrl)
    {
        QToolButton* b = Button(id);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyRelease(frame.get(), Qt::Key_Control, Qt::NoModifier);
    }
};

QRadioButton* Radio(QDialog& d, const QString& text)
{
    for (QRadioButton* r : d.findChildren<QRadioButton*>())
        if (r->text() == text)
            return r;
    return nullptr;
}

QImage CursorPicture(const QCursor& c)
{
    return c.pixmap().isNull() ? c.bitmap().toImage() : c.pixmap().toImage();
}

void Press(CDrawingWidget& w, QPoint p) { QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, p); }
void Release(CDrawingWidget& w, QPoint p)
{
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, p);
    w.RunEngine();
}
} // namespace

TEST(DrawingThroughFrame, CtrlClickTogglesEveryModeWithoutItsDialog)
{
    Program p;
    CDaubrixApp& app = p.App();
    p.NewDrawing(200, 150);
    app.Drawing().m_lineMode = app.Drawing().m_jitter = app.Drawing().m_skipping = app.Drawing().m_polar = 0;
    app.AutoColor().m_autoHue = app.AutoColor().m_autoSat = app.AutoColor().m_autoVal = 0;
    p.frame->UpdateCommands();
    DialogAnswerer any;

    struct Case {
        C id;
        std::function<int()> setting;
        int onValue;
    };
    const Case cases[] = {
        {C::Lines, [&] { return int(app.Drawing().m_lineMode); }, 1},
        {C::Jitter, [&] { return int(app.Drawing().m_jitter); }, 1},
        {C::Skipping, [&] { return int(app.Drawing().m_skipping); }, 1},
        {C::PolarMirror, [&] { return int(app.Drawing().m_polar); }, 1},
        {C::AutoHue, [&] { return int(app.AutoColor().m_autoHue); }, kAutoUp},
        {C::AutoSat, [&] { return int(app.AutoColor().m_autoSat); }, kAutoUpDown},
        {C::AutoVal, [&] { return int(app.AutoColor().m_autoVal); }, kAutoUpDown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(p.Act(c.id)->text().toStdString());
        p.Click(c.id, true);
        EXPECT_EQ(c.setting(), c.onValue);
        EXPECT_TRUE(p.Button(c.id)->isChecked());
        EXPECT_TRUE(p.Act(c.id)->isChecked()) << "the menu item shows the same mark";
        p.Click(c.id, true);
        EXPECT_EQ(c.setting(), 0);
        EXPECT_FALSE(p.Button(c.id)->isChecked());
    }
    EXPECT_TRUE(any.titles.isEmpty()) << any.titles.join(", ").toStdString();
    // Ctrl on saturation derived its upward step for the bounce.
    p.Click(C::AutoSat, true);
    EXPECT_EQ(app.AutoColor().m_saturationStep, 10);
}

TEST(DrawingThroughFrame, PlainClickOpensTheDialogAndTheMarkFollowsItsAnswer)
{
    Program p;
    CDaubrixApp& app = p.App();
    p.NewDrawing(200, 150);
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 5;
    app.Drawing().m_jitter = 0;
    p.frame->UpdateCommands();
    {
        // Off and OK: the button clicked on while checked must end unchecked, also after the
        // dialog's own event loop ran the frame's refresh.
        DialogAnswerer off([](QDialog& d) {
            MaybeShoot(d, "polar_dialog_from_toolbar");
            Radio(d, "Off")->setChecked(true);
            d.accept();
        });
        p.Click(C::PolarMirror, false);
        ASSERT_EQ(off.titles, QStringList{"Polar Mirror"});
    }
    QApplication::processEvents();
    EXPECT_EQ(app.Drawing().m_polar, 0);
    EXPECT_FALSE(p.Button(C::PolarMirror)->isChecked());
    {
        DialogAnswerer cancel(DialogAnswerer::Cancel());
        p.Click(C::Jitter, false);
        ASSERT_EQ(cancel.titles, QStringList{"Jitter"});
    }
    QApplication::processEvents();
    EXPECT_EQ(app.Drawing().m_jitter, 0) << "Cancel changes nothing";
    EXPECT_FALSE(p.Button(C::Jitter)->isChecked()) << "the click's own toggle is taken back";
    {
        DialogAnswerer on([](QDialog& d) {
            Radio(d, "On")->setChecked(true);
            d.accept();
        });
        p.Act(C::Lines)->trigger();
        p.Act(C::Skipping)->trigger();
        EXPECT_EQ(on.titles, (QStringList{"Lines", "Skipping"}));
    }
    QApplication::processEvents();
    EXPECT_TRUE(app.Drawing().m_lineMode && app.Drawing().m_skipping);
    EXPECT_TRUE(p.Button(C::Lines)->isChecked());
    EXPECT_TRUE(p.Button(C::Skipping)->isChecked());
    {
        DialogAnswerer random([](QDialog& d) {
            Radio(d, "Random")->click();
            d.accept();
        });
        p.Act(C::AutoVal)->trigger();
        p.Act(C::AutoHue)->trigger();
        EXPECT_EQ(random.titles, (QStringList{"AutoChange Value", "AutoChange Hue"}));
    }
    QApplication::processEvents();
    EXPECT_EQ(app.AutoColor().m_autoVal, kAutoRandom);
    EXPECT_EQ(app.AutoColor().m_autoHue, kAutoRandom);
    EXPECT_TRUE(p.Button(C::AutoVal)->isChecked());
    EXPECT_FALSE(p.Button(C::AutoSat)->isChecked());
    EXPECT_EQ(p.Act(C::AutoSat)->statusTip(), "Set saturation of color to change automatically");
    EXPECT_EQ(p.Act(C::AutoHue)->toolTip(), "Auto-Change Hue");
}

TEST(DrawingThroughFrame, MoveCenterFromTheToolbarToUndo)
{
    Program p;
    CDaubrixApp& app = p.App();
    app.Drawing().m_polar = 1;
    app.Drawing().m_lineMode = 1;
    CChildFrame* c = p.NewDrawing(300, 200);
    CDrawingWidget& w = c->DrawingWidget();
    CDaubrixView& v = c->View();
    const CPoint reset = v.Center();
    const QImage shapeCursor = CursorPicture(w.cursor());

    p.Click(C::MoveCenter, false);
    EXPECT_TRUE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(app.Drawing().m_lineMode, 0) << "Lines waits while the mode is on";
    EXPECT_TRUE(p.Button(C::MoveCenter)->isChecked());
    EXPECT_EQ(CursorPicture(w.cursor()), CursorPicture(CDrawingWidget::MoveCenterCursor()));
    EXPECT_EQ(w.cursor().hotSpot(), QPoint(15, 15));
    EXPECT_EQ(QCursor::pos(), w.mapToGlobal(w.ToWindow(reset))) << "the pointer is put on the centre";

    const QPoint click(40, 170);
    Press(w, click);
    Release(w, click);
    QApplication::processEvents();
    const CPoint moved = w.ToDrawing(click);
    EXPECT_EQ(v.Center().x, moved.x);
    EXPECT_EQ(v.Center().y, moved.y);
    EXPECT_EQ(c->Doc().GetGlobCount(), 0) << "the click places nothing";
    EXPECT_EQ(c->Doc().Sections().Count(), 0);
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_EQ(app.Drawing().m_lineMode, 1);
    // Without any menu opened, the toolbar already tells what happened.
    EXPECT_FALSE(p.Button(C::MoveCenter)->isChecked());
    EXPECT_TRUE(p.Button(C::EditUndo)->isEnabled());
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Move Center");
    EXPECT_EQ(CursorPicture(w.cursor()), shapeCursor);

    p.Act(C::EditUndo)->trigger();
    EXPECT_EQ(v.Center().x, reset.x);
    EXPECT_EQ(v.Center().y, reset.y);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Redo Move Center");
    p.Act(C::EditUndo)->trigger();
    EXPECT_EQ(v.Center().x, moved.x);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Move Center");

    // ESC leaves the mode too, and the mark goes with it.
    p.Click(C::MoveCenter, false);
    ASSERT_TRUE(p.Button(C::MoveCenter)->isChecked());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kMoveCenter));
    EXPECT_FALSE(p.Button(C::MoveCenter)->isChecked());
    EXPECT_EQ(CursorPicture(w.cursor()), shapeCursor);
}

TEST(DrawingThroughFrame, FirstStrokeEnablesUndoOnTheToolbarAtOnce)
{
    Program p;
    p.App().Drawing().m_jitter = 0;
    p.App().Drawing().m_polar = 0;
    CChildFrame* c = p.NewDrawing(200, 150);
    CDrawingWidget& w = c->DrawingWidget();
    EXPECT_FALSE(p.Button(C::EditUndo)->isEnabled());
    Press(w, {50, 50});
    QTest::mouseMove(&w, {70, 60});
    Release(w, {70, 60});
    EXPECT_EQ(c->Doc().GetGlobCount(), 2);
    EXPECT_TRUE(p.Button(C::EditUndo)->isEnabled());
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Drawing");
}

TEST(DrawingThroughFrame, ColorsWindowFollowsTheDriftDuringAndAfterAStroke)
{
    Program p;
    CDaubrixApp& app = p.App();
    app.Drawing().m_jitter = 0;
    app.Drawing().m_polar = 0;
    app.AutoColor().m_autoHue = kAutoUp;
    app.AutoColor().m_autoHueSpeed = 10;   // a step every 6th placement
    app.AutoChange().InitAll();
    CChildFrame* c = p.NewDrawing(300, 200);
    CDrawingWidget& w = c->DrawingWidget();
    CColorsWindow& colors = *p.wiring->ColorsWindow();
    colors.show();
    QApplication::processEvents();
    CShape& shape = app.CurrentShape();
    const int startHue = shape.m_hue;
    const int historyBefore = colors.Panel().History().Count();

    Press(w, {20, 100});
    for (int i = 1; i < 13; ++i)
        QTest::mouseMove(&w, {20 + 10 * i, 100});
    // Twelve placements with one step every six: two steps so far, shown while drawing.
    int expected = startHue;
    for (int step = 0; step < 2; ++step)
        expected = expected + 5 > 360 ? 0 : expected + 5;
    EXPECT_EQ(shape.m_hue, expected);
    EXPECT_EQ(colors.Panel().CurrentColor().m_hue, shape.m_hue);
    EXPECT_EQ(colors.Panel().History().Count(), historyBefore) << "a step is not a history entry";
    Release(w, {140, 100});
    QApplication::processEvents();
    const HsvColor last = colors.Panel().History().Entry(colors.Panel().History().Count() - 1);
    EXPECT_EQ(last.m_hue, shape.m_hue) << "the colour the stroke ended on joins the history";
    EXPECT_EQ(last.m_saturation, shape.m_saturation);
    EXPECT_EQ(colors.Panel().History().Count(), historyBefore + 1);
}

TEST(DrawingThroughFrame, ViewCursorFollowsTheShapePickedInTheShapesWindow)
{
    Program p;
    CDaubrixApp& app = p.App();
    CChildFrame* c = p.NewDrawing(200, 150);
    CDrawingWidget& w = c->DrawingWidget();
    CShapesWindow& shapes = *p.wiring->ShapesWindow();
    shapes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shapes));
    const int before = app.ShapeTable().m_currentShape;
    EXPECT_EQ(CursorPicture(w.cursor()), CursorPicture(CDrawingWidget::ShapeCursor(app.CurrentShape().Cursor())));

    // A cell in view whose shape has another outline than the current one.
    const QImage first = CursorPicture(CDrawingWidget::ShapeCursor(app.CurrentShape().Cursor()));
    int k = -1;
    for (int i = 0; i < shapes.Palette().ShownCount() && k < 0; ++i) {
        const int shape = app.ShapeTable().NthShownShape(i);
        if (shapes.Palette().Layout().CentreY(i) < shapes.Palette().Layout().Height()
            && CursorPicture(CDrawingWidget::ShapeCursor(app.ShapeTable().Shape(shape).Cursor())) != first)
            k = i;
    }
    ASSERT_GE(k, 0);
    QTest::mouseClick(&shapes, Qt::LeftButton, {},
                      {shapes.Palette().Layout().CentreX(k), shapes.Palette().Layout().CentreY(k)});
    ASSERT_NE(int(app.ShapeTable().m_currentShape), before);
    const QImage wanted = CursorPicture(CDrawingWidget::ShapeCursor(app.CurrentShape().Cursor()));
    ASSERT_NE(wanted, first);

    // Back over the drawing, the pointer shows the new outline.
    QTest::mouseMove(&w, {100, 75});
    EXPECT_EQ(CursorPicture(w.cursor()), wanted);
}

TEST(DrawingThroughFrame, PolarDrawingWithHueDriftThroughTheWidget)
{
    Program p;
    CDaubrixApp& app = p.App();
    app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &p.host);
    ASSERT_TRUE(app.ShapeTable().PrepareAll());
    p.wiring->ShapesWindow()->InvalidateShapes();
    app.Drawing().m_jitter = 0;
    app.Drawing().m_polar = 1;
    app.Drawing().m_polarCount = 7;
    app.AutoColor().m_autoHue = kAutoUp;
    app.AutoColor().m_autoHueSpeed = 9;
    app.AutoChange().InitAll();
    CChildFrame* c = p.NewDrawing(360, 300);
    CDrawingWidget& w = c->DrawingWidget();
    const CPoint centre = c->View().Center();
    std::vector<QPoint> path;
    for (int i = 0; i < 90; ++i) {
        const double a = i * 0.07, r = 20 + i * 1.3;
        path.push_back(w.ToWindow({int(centre.x + r * std::cos(a)), int(centre.y + r * std::sin(a))}));
    }
    Press(w, path.front());
    for (size_t i = 1; i < path.size(); ++i) {
        QTest::mouseMove(&w, path[i]);
        w.RunEngine();
    }
    Release(w, path.back());
    const CDaubrixDoc& doc = c->Doc();
    // Every placement inside the drawing gives seven copies around the centre.
    EXPECT_EQ(doc.GetGlobCount() % 7, 0);
    EXPECT_GT(doc.GetGlobCount(), 7 * 80);
    EXPECT_GE(doc.GetColorChangeCount(), 90 / 11);
    // Two copies of one placement stand at the same distance from the centre, a seventh of a
    // turn apart, in the colour in force there.
    const CGlob& a = doc.GetGlob(70), &b = doc.GetGlob(71);
    const double ra = std::hypot(a.m_x - centre.x, a.m_y - centre.y), rb = std::hypot(b.m_x - centre.x, b.m_y - centre.y);
    EXPECT_NEAR(ra, rb, 1.5);
    const QImage img = w.ImageView();
    EXPECT_NE(img.pixel(a.m_x, a.m_y), img.pixel(2, 2)) << "the glob shows over the background";
    MaybeShoot(w, "polar_hue_drawing");
}

TEST(DrawingThroughFrame, LetterTypedInTheShapesWindowGivesItsCommand)
{
    Program p;
    p.App().Drawing().m_jitter = 0;
    p.NewDrawing(200, 150);
    CShapesWindow& shapes = *p.wiring->ShapesWindow();
    shapes.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shapes));
    {
        DialogAnswerer on([](QDialog& d) {
            Radio(d, "On")->setChecked(true);
            d.accept();
        });
        QTest::keyClick(&shapes, Qt::Key_J);
        EXPECT_EQ(on.titles, QStringList{"Jitter"});
    }
    EXPECT_EQ(p.App().Drawing().m_jitter, 1);
    EXPECT_TRUE(p.Button(C::Jitter)->isChecked());
    // A view key that is no command still reaches the view and opens nothing.
    DialogAnswerer none;
    QTest::keyClick(&shapes, Qt::Key_Q);
    EXPECT_TRUE(none.titles.isEmpty());
}
