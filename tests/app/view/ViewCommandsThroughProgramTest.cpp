// The drawing view's own commands as a user reaches them in the wired program: its keys, the
// sampling modes, Clear and its undo, the Information dialog and the right-button menu.
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/dialogs/CDrawingInfoDialog.h"
#include "app/windows/CColorsWindow.h"
#include "app/widgets/CTickSlider.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CShapesWindow.h"
#include "core/shapes/ShapeFamily.h"
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
using C = CommandId;

struct Program : ProgramRig {
    Program()
    {
        app.Drawing().m_jitter = 0;
        app.Drawing().m_polar = 0;
    }
    CDrawingWidget& View() { return frame->ActiveChild()->DrawingWidget(); }
    CDaubrixDoc& Doc() { return frame->ActiveChild()->Doc(); }
    CColorsWindow& Colors() { return *wiring->ColorsWindow(); }
    CTickSlider& Slider() { return *wiring->HistoryWindow()->Slider(); }
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(&View(), *k);
        Settle();
    }
    void Click(QPoint at)
    {
        QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, at);
        View().RunEngine();
        Settle();
        frame->UpdateCommands();
    }
    HsvColor ShapeColor() { return {app.CurrentShape().m_hue, app.CurrentShape().m_saturation, app.CurrentShape().m_value}; }
};

// Asks for the drawing's menu at a point and hands the open menu to `inside`, from a poll that
// runs in the menu's own loop; false when no menu opened.
bool WithContextMenu(CDrawingWidget& w, QPoint at, const std::function<void(QMenu&)>& inside)
{
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll.stop();
            opened = true;
            inside(*menu);
        }
    });
    poll.start(0);
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, w.mapToGlobal(at));
    QCoreApplication::sendEvent(&w, &e);
    QApplication::processEvents();
    if (QWidget* left = QApplication::activePopupWidget())
        left->close();
    return opened;
}
} // namespace

TEST(ViewCommandsThroughProgram, KeysChangeShapeSizeAndHueOfTheNextStroke)
{
    Program p;
    p.NewDrawing(300, 200);
    CShapeTable& shapes = p.app.ShapeTable();
    const int first = shapes.m_currentShape;
    p.Stroke(*p.frame->ActiveChild(), {{30, 30}, {60, 30}});
    const int before = p.Doc().GetGlobCount();
    const int hue = p.ShapeColor().m_hue;

    p.Type("]+1");
    char letter, other;
    int size, firstSize;
    ASSERT_TRUE(ShapeFamilyOf(shapes, shapes.m_currentShape, letter, size));
    ASSERT_TRUE(ShapeFamilyOf(shapes, first, other, firstSize));
    EXPECT_NE(letter, other) << "the next family";
    EXPECT_EQ(size, 2) << "one size up from its medium";
    EXPECT_EQ(p.ShapeColor().m_hue, hue + 5);
    EXPECT_EQ(p.Colors().Panel().CurrentColor(), p.ShapeColor()) << "the Colors window shows it";
    EXPECT_TRUE(shapes.Current().m_shown) << "and the palette shows the new size";

    p.Stroke(*p.frame->ActiveChild(), {{100, 100}, {140, 110}});
    ASSERT_GT(p.Doc().GetGlobCount(), before);
    const CGlob& g = p.Doc().GetGlob(before);
    EXPECT_EQ(g.m_shape, shapes.m_currentShape);
    EXPECT_EQ(p.Doc().GetColorChangeHue(before), hue + 5);
    // The new glob is drawn in the nudged hue: its centre is no longer the first stroke's colour.
    const QImage img = p.View().ImageView();
    EXPECT_NE(img.pixel(100, 100), img.pixel(30, 30));

    p.app.Drawing().m_polarCount = 5;
    for (int i = 0; i < 60; ++i)
        QTest::keyClick(&p.View(), '4');
    EXPECT_EQ(p.app.Drawing().m_polarCount, 50);
    QTest::keyClick(&p.View(), Qt::Key_Tab);
    EXPECT_EQ(p.frame->FullScreenState().Stage(), 1) << "TAB walks the full-screen stages";
    EXPECT_FALSE(p.frame->IsToolWindowVisible(CMainFrame::ShapesWindow));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&p.View(), Qt::Key_Tab);
    EXPECT_EQ(p.frame->FullScreenState().Stage(), 0);
}

TEST(ViewCommandsThroughProgram, SampleAColourThenClearAndUndoTheClear)
{
    Program p;
    p.NewDrawing(300, 200);
    p.Colors().SetCurrentColor({200, 180, 220});
    p.Colors().ApplyCurrentColor();
    p.Stroke(*p.frame->ActiveChild(), {{50, 50}, {80, 60}});
    p.Colors().SetCurrentColor({30, 90, 250});
    p.Colors().ApplyCurrentColor();

    const qint64 shapeCursor = p.View().cursor().pixmap().cacheKey();
    p.Run(C::SampleColor);
    EXPECT_TRUE(p.Act(C::SampleColor)->isChecked());
    EXPECT_NE(p.View().cursor().pixmap().cacheKey(), shapeCursor) << "the dropper, not the shape";
    EXPECT_EQ(p.View().cursor().hotSpot(), QPoint(1, 30)) << "its tip is the point sampled";
    p.Click({80, 60});
    EXPECT_EQ(p.Colors().Panel().CurrentColor(), (HsvColor{200, 180, 220}));
    EXPECT_EQ(p.ShapeColor(), (HsvColor{200, 180, 220}));
    EXPECT_FALSE(p.Act(C::SampleColor)->isChecked());
    const int globs = p.Doc().GetGlobCount();
    EXPECT_EQ(globs, 2) << "the sampling click drew nothing";

    const QImage before = p.View().ImageView().copy();
    // Ctrl+W, typed into the drawing, is Clear's alone: the drawing window stays open.
    p.frame->activateWindow();
    QTest::keyClick(&p.View(), Qt::Key_W, Qt::ControlModifier);
    p.View().RunEngine();
    p.Settle();
    p.frame->UpdateCommands();
    EXPECT_EQ(p.frame->Children().size(), 1);
    ASSERT_FALSE(p.host.questions.empty());
    EXPECT_EQ(p.host.questions.back(), "Clear the drawing?");
    const QImage cleared = p.View().ImageView().copy();
    EXPECT_EQ(cleared.pixel(80, 60), cleared.pixel(250, 180)) << "only the background";
    EXPECT_EQ(p.Slider().maximum(), 0);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Clear Drawing");
    EXPECT_FALSE(p.Act(C::ClearDrawing)->isEnabled());

    p.Run(C::EditUndo);
    EXPECT_EQ(p.View().ImageView(), before) << "the drawing is back unchanged";
    EXPECT_EQ(p.Slider().maximum(), globs);
    EXPECT_EQ(p.Slider().value(), globs);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Redo Clear Drawing");

    // Cleared again, the next stroke starts an empty drawing for good.
    p.Run(C::EditUndo);
    p.Stroke(*p.frame->ActiveChild(), {{200, 150}});
    EXPECT_EQ(p.Doc().GetGlobCount(), 1);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Drawing");
    EXPECT_TRUE(p.dialogs.Done());
}

TEST(ViewCommandsThroughProgram, InformationDialogTellsHiddenGlobsAndAPendingClear)
{
    Program p;
    p.NewDrawing(320, 200);
    CDaubrixDoc& doc = p.Doc();
    for (int i = 0; i < 120; ++i)
        doc.AddGlob(10 + i * 2, 100);
    doc.AddSection(120);
    p.frame->ActiveChild()->View().OnInitialUpdate();
    p.frame->ActiveChild()->View().BrowseTo(100);
    QStringList lines;
    auto read = [&](QDialog& d) {
        auto* info = qobject_cast<CDrawingInfoDialog*>(&d);
        ASSERT_NE(info, nullptr) << d.windowTitle().toStdString();
        EXPECT_EQ(d.windowTitle(), "Drawing Information");
        lines = info->Lines();
        MaybeShoot(d, "drawing_information");
        d.accept();
    };
    p.dialogs.Then(read);
    p.Run(C::DrawingInfo);
    EXPECT_EQ(lines, QStringList({"120 globs  (20 hidden)", "1 colors  (some hidden)", "Image size is 320 x 200",
                                  "bg color  R:0  G:0  B:0"}));
    p.Run(C::ClearDrawing);
    p.dialogs.Then(read);
    p.Run(C::DrawingInfo);
    EXPECT_EQ(lines.mid(0, 2), QStringList({"0 globs", "0 colors"}));
}

TEST(ViewCommandsThroughProgram, RightButtonMenuAndTheClickThatClosesIt)
{
    Program p;
    p.NewDrawing(300, 200);
    p.Stroke(*p.frame->ActiveChild(), {{40, 40}});
    const int globs = p.Doc().GetGlobCount();
    QStringList items;
    QList<bool> enabled;
    const bool opened = WithContextMenu(p.View(), {150, 100}, [&](QMenu& menu) {
        for (QAction* a : menu.actions()) {
            items << a->text();
            enabled << a->isEnabled();
        }
        MaybeShoot(menu, "drawing_context_menu");
        // A click on the drawing beside the menu closes it and must draw nothing.
        QTest::mouseClick(&p.View(), Qt::LeftButton, Qt::NoModifier, {200, 150});
        if (menu.isVisible())
            menu.close();
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(items, QStringList({"&Save Image", "&Regenerate\tCtrl+R", "&Clear\tCtrl+W", "&Background Color",
                                  "&Load background", "R&emove background"}));
    EXPECT_EQ(enabled, QList<bool>({true, true, true, true, true, false}));
    p.Settle();
    EXPECT_EQ(p.Doc().GetGlobCount(), globs);

    // An item runs its command: Background Color takes the Colors window's colour.
    p.Colors().SetCurrentColor({240, 255, 255});
    WithContextMenu(p.View(), {150, 100}, [&](QMenu& menu) {
        QAction* bg = menu.actions().at(3);
        QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(bg).center());
    });
    EXPECT_EQ(p.Doc().BackgroundColor(), MakeColorRef(0, 0, 255));

    // In Sample Shape mode the right button only leaves the mode.
    p.Run(C::SampleShape);
    ASSERT_TRUE(p.app.Modes().IsOn(CDrawingModes::kSampleShape));
    QTest::mousePress(&p.View(), Qt::RightButton, Qt::NoModifier, {150, 100});
    const bool menuAgain = WithContextMenu(p.View(), {150, 100}, [](QMenu& m) { m.close(); });
    QTest::mouseRelease(&p.View(), Qt::RightButton, Qt::NoModifier, {150, 100});
    EXPECT_FALSE(menuAgain);
    EXPECT_FALSE(p.app.Modes().IsOn(CDrawingModes::kSampleShape));
}

TEST(ViewCommandsThroughProgram, TheDrawingWithTheFocusIsTheFramesCurrentOne)
{
    Program p;
    p.frame->activateWindow();
    CChildFrame* a = p.Drawing(200, 150);
    CChildFrame* b = p.NewDrawing(220, 160);
    ASSERT_EQ(p.Slider().maximum(), 0) << "the new drawing's history";
    a->DrawingWidget().setFocus();
    p.Settle();
    ASSERT_TRUE(a->DrawingWidget().hasFocus());
    EXPECT_EQ(p.frame->m_currentView, &a->View());
    EXPECT_EQ(p.frame->m_lastBlurredView, &b->View());
    EXPECT_EQ(p.Slider().maximum(), a->Doc().GetGlobCount()) << "the slider follows the drawing";
    b->DrawingWidget().setFocus();
    p.Settle();
    EXPECT_EQ(p.frame->m_currentView, &b->View());
    EXPECT_EQ(p.frame->m_lastBlurredView, &a->View());
    EXPECT_EQ(p.Slider().maximum(), 0);
}
