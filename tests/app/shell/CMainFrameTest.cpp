#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CCommandTable.h"
#include "app/view/CDrawingWidget.h"
#include <QLabel>
#include <QMdiArea>
#include <QScrollArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include "app/dialogs/CNewDrawingDialog.h"
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
QStringList MenuTitles(QMainWindow& w)
{
    QStringList out;
    for (QAction* a : w.menuBar()->actions())
        out << a->text();
    return out;
}

QMenu* MenuNamed(QMainWindow& w, const QString& title)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}
} // namespace

TEST(MainFrame, MenuBarHoldsEveryCommandOnce)
{
    ProgramRig rig(ProgramRig::Bare);
    EXPECT_EQ(MenuTitles(*rig.frame),
              QStringList({"&File", "&Edit", "&View", "&Drawing", "&Colors", "&Image", "&Window", "&Help"}));
    // Every command except the plain F1 help sits in exactly one menu.
    for (int i = 0; i < CCommandTable::Count(); ++i) {
        auto id = static_cast<CommandId>(i);
        QAction* a = rig.frame->Action(id);
        ASSERT_NE(a, nullptr);
        int found = 0;
        for (QAction* m : rig.frame->menuBar()->actions())
            found += m->menu()->actions().count(a);
        EXPECT_EQ(found, id == CommandId::HelpIndex ? 0 : 1) << CCommandTable::Info(id).text;
        EXPECT_EQ(a->data().toInt(), CCommandTable::Info(id).number);
    }
    QMenu* help = MenuNamed(*rig.frame, "&Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->actions().at(0)->text(), "Ti&p of the Day...");
    EXPECT_TRUE(help->actions().at(1)->isSeparator());
    EXPECT_EQ(rig.frame->Action(CommandId::ViewShapesWindow)->statusTip(), "Toggle display of Glob Shapes window");
    EXPECT_EQ(rig.frame->Action(CommandId::ViewShapesWindow)->toolTip(), "Glob Shapes");
    EXPECT_EQ(rig.frame->Action(CommandId::FullScreen)->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(rig.frame->Action(CommandId::EditUndo)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(rig.frame->Action(CommandId::Regenerate)->shortcuts().size(), 2);

    if (std::getenv("DAUBRIX_SHOTS"))
        for (QAction* m : rig.frame->menuBar()->actions()) {
            m->menu()->popup(QPoint(0, 0));
            QApplication::processEvents();
            MaybeShoot(*m->menu(), qPrintable("menu_" + m->text().remove('&')));
            m->menu()->hide();
        }
}

TEST(MainFrame, UnbuiltCommandsWaitDisabledAndUndoFollowsItsHook)
{
    ProgramRig rig(ProgramRig::Bare);
    EXPECT_TRUE(rig.frame->Action(CommandId::Lines)->isEnabled());   // the modes need no tool window
    EXPECT_FALSE(rig.frame->Action(CommandId::SaveImage)->isEnabled());
    EXPECT_FALSE(rig.frame->Action(CommandId::EditUndo)->isEnabled());
    EXPECT_TRUE(rig.frame->Action(CommandId::FileOpen)->isEnabled());
    EXPECT_TRUE(rig.frame->Action(CommandId::FileNew)->isEnabled());
    EXPECT_FALSE(rig.frame->Action(CommandId::FileClose)->isEnabled());  // nothing open
    // A feature's own enabling is not undone by the frame's refresh.
    rig.frame->Action(CommandId::Lines)->setEnabled(true);
    rig.frame->UpdateCommands();
    EXPECT_TRUE(rig.frame->Action(CommandId::Lines)->isEnabled());

    rig.frame->SetUndoText("&Redo Drawing\tCtrl+Z", true);
    EXPECT_EQ(rig.frame->Action(CommandId::EditUndo)->text(), "&Redo Drawing\tCtrl+Z");
    EXPECT_TRUE(rig.frame->Action(CommandId::EditUndo)->isEnabled());

    // Updaters run when a menu is about to open.
    int runs = 0;
    rig.frame->AddCommandUpdater([&] { ++runs; });
    emit MenuNamed(*rig.frame, "&Edit")->aboutToShow();
    EXPECT_GE(runs, 1);
}

TEST(MainFrame, StatusBarPanes)
{
    ProgramRig rig(ProgramRig::Bare);
    EXPECT_EQ(rig.frame->StatusText(0), "Ready");
    rig.frame->ShowProgress(5);
    EXPECT_EQ(rig.frame->StatusText(1), " 5%");
    rig.frame->ShowProgress(100);
    EXPECT_EQ(rig.frame->StatusText(1), "100%");
    rig.frame->ClearProgress();
    EXPECT_EQ(rig.frame->StatusText(1), " ");
    rig.frame->SetStatusText(0, "Rebuilding Undo Image, Please wait...");
    EXPECT_EQ(rig.frame->StatusText(0), "Rebuilding Undo Image, Please wait...");
    // Fly-by text, then back to the idle text.
    QStatusTipEvent tip("Create a new drawing");
    QApplication::sendEvent(rig.frame.get(), &tip);
    EXPECT_EQ(rig.frame->StatusText(0), "Create a new drawing");
    QStatusTipEvent none("");
    QApplication::sendEvent(rig.frame.get(), &none);
    EXPECT_EQ(rig.frame->StatusText(0), "Ready");
    // The progress pane is 30 pixels wide.
    QList<QLabel*> labels = rig.frame->statusBar()->findChildren<QLabel*>();
    bool thirty = false;
    for (QLabel* l : labels)
        thirty |= l->text() == " " && l->width() == 30;
    EXPECT_TRUE(thirty);
}

TEST(MainFrame, ToolbarsHoldTheirButtonsInOrder)
{
    ProgramRig rig(ProgramRig::Bare);
    auto ids = [&](QToolBar* bar) {
        QList<int> out;
        for (QAction* a : bar->actions())
            out << (a->isSeparator() ? 0 : a->data().toInt());
        return out;
    };
    EXPECT_EQ(ids(rig.frame->Toolbar(0)),
              QList<int>({57600, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57609, 57669}));
    EXPECT_EQ(ids(rig.frame->Toolbar(1)),
              QList<int>({57643, 57644, 0, 32794, 32775, 32776, 32774, 32779, 32801, 32809, 32823, 32825, 0, 32777,
                          32781, 0, 32789, 32790, 32791, 32820, 32819, 0, 32792}));
    for (QAction* a : rig.frame->Toolbar(1)->actions())
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
            EXPECT_EQ(a->icon().pixmap(QSize(16, 15), 1.0).size(), QSize(16, 15));
            EXPECT_EQ(a->icon().pixmap(QSize(16, 15), 2.0).size(), QSize(32, 30));
        }
}

TEST(MainFrame, NewDrawingOpensAWindowOfExactlyTheDrawingSize)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->resize(900, 700);
    rig.frame->show();
    rig.nextW = 300;
    rig.nextH = 200;
    CChildFrame* child = rig.frame->NewDrawing();
    ASSERT_NE(child, nullptr);
    rig.Settle();
    EXPECT_EQ(rig.askedW, 400);   // first offer after start
    EXPECT_EQ(child->Doc().Width(), 300);
    EXPECT_EQ(child->Doc().Height(), 200);
    EXPECT_TRUE(child->Doc().UndoImageSaved());
    EXPECT_EQ(child->Doc().Title(), "Daubrix1");
    EXPECT_EQ(child->DrawingWidget().size(), QSize(300, 200));
    EXPECT_EQ(child->ScrollArea().viewport()->size(), QSize(300, 200));
    child->DrawingWidget().RunEngine();
    QImage shot = child->ScrollArea().viewport()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(0, 0, 0));   // black background, no margin
    EXPECT_EQ(QColor(shot.pixel(299, 199)), QColor(0, 0, 0));

    // The second New proposes the size accepted the first time.
    rig.nextW = 640;
    rig.nextH = 480;
    CChildFrame* second = rig.frame->NewDrawing();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(rig.askedW, 300);
    EXPECT_EQ(rig.askedH, 200);
    EXPECT_EQ(second->Doc().Title(), "Daubrix2");
    EXPECT_EQ(rig.frame->Children().size(), 2);
    EXPECT_EQ(rig.frame->ActiveChild(), second);
    MaybeShoot(*rig.frame, "main_two_drawings");

    // Cancel creates nothing.
    rig.answer = false;
    EXPECT_EQ(rig.frame->NewDrawing(), nullptr);
    EXPECT_EQ(rig.frame->Children().size(), 2);
    EXPECT_EQ(rig.app.Shell().m_newWidth, 640);
}

TEST(MainFrame, ToolWindowTogglesKeepTheirSetting)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.app.Shell().m_colorsWindow.shown = 0;
    rig.app.Shell().m_undoSlider.x1 = 33;
    rig.app.Shell().m_undoSlider.y1 = 44;
    rig.frame->show();
    rig.Settle();
    EXPECT_TRUE(rig.frame->IsToolWindowVisible(CMainFrame::ShapesWindow));
    EXPECT_FALSE(rig.frame->IsToolWindowVisible(CMainFrame::ColorsWindow));
    EXPECT_EQ(rig.frame->ToolWindowWidget(CMainFrame::HistoryWindow)->pos(), QPoint(33, 44));
    EXPECT_TRUE(rig.frame->ToolWindowWidget(0)->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(rig.frame->Action(CommandId::ViewShapesWindow)->isChecked());

    rig.frame->Action(CommandId::ViewShapesWindow)->trigger();
    EXPECT_FALSE(rig.frame->IsToolWindowVisible(CMainFrame::ShapesWindow));
    EXPECT_EQ(rig.app.Shell().m_shapesWindow.shown, 0);
    EXPECT_FALSE(rig.frame->Action(CommandId::ViewShapesWindow)->isChecked());
    rig.frame->Action(CommandId::ViewColorsWindow)->trigger();
    EXPECT_TRUE(rig.frame->IsToolWindowVisible(CMainFrame::ColorsWindow));
    EXPECT_EQ(rig.app.Shell().m_colorsWindow.shown, 1);

    // Closing a tool window by its own button counts as hiding it.
    rig.frame->ToolWindowWidget(CMainFrame::HistoryWindow)->close();
    EXPECT_EQ(rig.app.Shell().m_undoSlider.shown, 0);
}

TEST(MainFrame, PlacementIsRestoredAndRecorded)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.app.Shell().m_appWindow = {1, 0, 1, 30, 730, 40, 540};
    rig.frame->ShowAtStoredPlacement();
    rig.Settle();
    // The stored corner is the outer one (with the frame), the size that of the inside.
    EXPECT_EQ(rig.frame->pos(), QPoint(30, 40));
    EXPECT_EQ(rig.frame->size(), QSize(700, 500));
    rig.frame->move(60, 70);
    rig.frame->resize(650, 450);
    rig.Settle();
    rig.frame->ToolWindowWidget(CMainFrame::ColorsWindow)->move(200, 210);
    rig.frame->close();
    EXPECT_EQ(rig.app.Shell().m_appWindow.x1, 60);
    EXPECT_EQ(rig.app.Shell().m_appWindow.y1, 70);
    EXPECT_EQ(rig.app.Shell().m_appWindow.x2 - rig.app.Shell().m_appWindow.x1, 650);
    EXPECT_EQ(rig.app.Shell().m_appWindow.y2 - rig.app.Shell().m_appWindow.y1, 450);
    EXPECT_EQ(rig.app.Shell().m_appWindow.showCmd, 1);
    EXPECT_EQ(rig.app.Shell().m_colorsWindow.x1, 200);
    EXPECT_EQ(rig.app.Shell().m_colorsWindow.y1, 210);
    EXPECT_FALSE(rig.profile.GetString("Toolbars", "State", "").empty());
}

TEST(MainFrame, ToolbarVisibilityComesBackNextRun)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->show();
    rig.frame->Action(CommandId::ViewToolbar2)->trigger();
    EXPECT_TRUE(rig.frame->Toolbar(1)->isHidden());
    rig.frame->close();

    CMainFrame next(rig.app, rig.profile);
    InstallMenus(next, rig.app);
    next.show();
    EXPECT_TRUE(next.Toolbar(1)->isHidden());
    EXPECT_FALSE(next.Toolbar(0)->isHidden());
    next.UpdateCommands();
    EXPECT_FALSE(next.Action(CommandId::ViewToolbar2)->isChecked());
    EXPECT_TRUE(next.Action(CommandId::ViewToolbar)->isChecked());
}

TEST(MainFrame, ClosedDrawingIsForgottenAsCurrentView)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->show();
    CChildFrame* a = rig.frame->NewDrawing();
    CChildFrame* b = rig.frame->NewDrawing();
    ASSERT_TRUE(a && b);
    rig.frame->m_currentView = &a->View();
    rig.frame->m_lastBlurredView = &b->View();
    a->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(rig.frame->m_currentView, nullptr);
    EXPECT_EQ(rig.frame->m_lastBlurredView, &b->View());
    EXPECT_EQ(rig.frame->Children().size(), 1);
}

TEST(MainFrame, ClosingInFullScreenStoresTheNormalPlacement)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.app.Shell().m_appWindow = {1, 0, 1, 20, 620, 30, 430};
    rig.frame->ShowAtStoredPlacement();
    rig.Settle();
    QRect normal(rig.frame->pos(), rig.frame->size());
    rig.frame->FullScreenCommand();
    rig.Settle();
    EXPECT_TRUE(rig.frame->FullScreenState().IsFullScreen());
    EXPECT_TRUE(rig.frame->isFullScreen());
    EXPECT_TRUE(rig.frame->Toolbar(0)->isHidden());
    EXPECT_TRUE(rig.frame->statusBar()->isHidden());
    EXPECT_FALSE(rig.frame->IsToolWindowVisible(0));
    EXPECT_TRUE(rig.frame->Action(CommandId::FullScreen)->isChecked());
    rig.frame->close();
    EXPECT_EQ(QRect(QPoint(rig.app.Shell().m_appWindow.x1, rig.app.Shell().m_appWindow.y1),
                    QPoint(rig.app.Shell().m_appWindow.x2 - 1, rig.app.Shell().m_appWindow.y2 - 1)),
              normal);
    EXPECT_EQ(rig.app.Shell().m_appWindow.showCmd, 1);
    // Leaving brought back what full screen hid, so the settings say shown.
    EXPECT_EQ(rig.app.Shell().m_shapesWindow.shown, 1);
    EXPECT_FALSE(rig.frame->FullScreenState().IsActive());
}

TEST(MainFrame, KeyCycleHidesStageByStage)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.frame->show();
    rig.nextW = 640;
    rig.nextH = 480;
    ASSERT_NE(rig.frame->NewDrawing(), nullptr);
    rig.Settle();
    rig.frame->CycleFullScreen();
    EXPECT_FALSE(rig.frame->IsToolWindowVisible(0));
    EXPECT_FALSE(rig.frame->Toolbar(0)->isHidden());
    rig.frame->CycleFullScreen();
    EXPECT_TRUE(rig.frame->Toolbar(1)->isHidden());
    EXPECT_FALSE(rig.frame->isFullScreen());
    rig.frame->CycleFullScreen();
    rig.Settle();
    EXPECT_TRUE(rig.frame->isFullScreen());
    EXPECT_FALSE(rig.frame->menuBar()->isHidden());
    MaybeShoot(*rig.frame, "full_screen");
    rig.frame->CycleFullScreen();
    rig.Settle();
    EXPECT_FALSE(rig.frame->isFullScreen());
    EXPECT_FALSE(rig.frame->Toolbar(1)->isHidden());
    EXPECT_TRUE(rig.frame->IsToolWindowVisible(0));
}

TEST(MainFrame, DroppedDrawingFilesOpenAndJoinTheRecentList)
{
    ProgramRig rig(ProgramRig::Bare);
    QStringList opened;
    rig.frame->m_openDocument = [&](const QString& p) {
        opened << p;
        return !p.contains("bad");
    };
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a.dbx"), QUrl::fromLocalFile("/tmp/notes.txt"),
                  QUrl::fromLocalFile("/tmp/B.DBX")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(rig.frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(rig.frame.get(), &drop);
    EXPECT_EQ(opened, QStringList({"/tmp/a.dbx", "/tmp/B.DBX"}));
    EXPECT_EQ(rig.frame->RecentFiles(), QStringList({"/tmp/B.DBX", "/tmp/a.dbx"}));

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile("/tmp/notes.txt")});
    QDragEnterEvent refuse(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refuse.ignore();
    QApplication::sendEvent(rig.frame.get(), &refuse);
    EXPECT_FALSE(refuse.isAccepted());

    // Four entries at most, newest first, failures not listed, stored in the profile.
    for (const char* f : {"/tmp/c.dbx", "/tmp/bad.dbx", "/tmp/d.dbx", "/tmp/e.dbx"})
        rig.frame->OpenFile(f);
    EXPECT_EQ(rig.frame->RecentFiles(), QStringList({"/tmp/e.dbx", "/tmp/d.dbx", "/tmp/c.dbx", "/tmp/B.DBX"}));
    EXPECT_EQ(rig.profile.GetString("Recent File List", "File1", ""), "/tmp/e.dbx");
    EXPECT_EQ(rig.profile.GetString("Recent File List", "File4", ""), "/tmp/B.DBX");
    EXPECT_EQ(rig.frame->Action(CommandId::FileMru1)->text(), "&1 e.dbx");
    rig.frame->UpdateCommands();
    EXPECT_TRUE(rig.frame->Action(CommandId::FileOpen)->isEnabled());
}

TEST(MainFrame, MaximizedWindowKeepsItsNormalRectangleThroughFullScreen)
{
    ProgramRig rig(ProgramRig::Bare);
    rig.app.Shell().m_appWindow = {1, 0, 3, 50, 450, 60, 360};
    rig.frame->ShowAtStoredPlacement();
    rig.Settle();
    EXPECT_TRUE(rig.frame->isMaximized());
    rig.frame->FullScreenCommand();
    rig.Settle();
    EXPECT_TRUE(rig.frame->isFullScreen());
    rig.frame->FullScreenCommand();
    rig.Settle();
    EXPECT_TRUE(rig.frame->isMaximized());
    EXPECT_FALSE(rig.frame->Toolbar(0)->isHidden());
    rig.frame->close();
    EXPECT_EQ(rig.app.Shell().m_appWindow.showCmd, 3);
    EXPECT_EQ(rig.app.Shell().m_appWindow.x2 - rig.app.Shell().m_appWindow.x1, 400);
    EXPECT_EQ(rig.app.Shell().m_appWindow.y2 - rig.app.Shell().m_appWindow.y1, 300);
}

TEST(MainFrame, FileNewThroughTheRealDialogAndAbout)
{
    FakeHost host;
    CDaubrixApp app(host);
    LoadTestShapes(app.ShapeTable());
    CMapProfile profile;
    CMainFrame frame(app, profile);
    InstallMenus(frame, app);
    frame.show();
    DialogAnswerer dialogs;
    QString title;
    dialogs.Then([&](QDialog& w) {
        title = w.windowTitle();
        auto* dlg = qobject_cast<CNewDrawingDialog*>(&w);
        ASSERT_NE(dlg, nullptr);
        dlg->PresetButton(2)->click();
        dlg->accept();
    });
    frame.Action(CommandId::FileNew)->trigger();
    EXPECT_EQ(title, "New Drawing");
    ASSERT_EQ(frame.Children().size(), 1);
    EXPECT_EQ(frame.Children()[0]->Doc().Width(), 640);
    EXPECT_EQ(frame.Children()[0]->Doc().Height(), 480);
    EXPECT_EQ(app.Shell().m_newWidth, 640);

    dialogs.Then(DialogAnswerer::Cancel());
    frame.Action(CommandId::FileNew)->trigger();
    EXPECT_EQ(frame.Children().size(), 1);
    EXPECT_EQ(app.Shell().m_newWidth, 640);

    dialogs.Then([&](QDialog& w) {
        title = w.windowTitle();
        MaybeShoot(w, "about");
        w.accept();
    });
    frame.Action(CommandId::About)->trigger();
    EXPECT_EQ(title, "Daubrix: Doodle with Globs");
}
