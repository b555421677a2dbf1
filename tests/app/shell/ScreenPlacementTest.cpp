// Where the windows stand on today's screens: the first start, stored places kept or brought
// back on screen, the normal rectangle through maximized runs, drawings clear of the tool windows.
// The ScreenPlacement tests need a screen of at least 1280 × 1024; ctest runs them again on
// virtual screens of 1920 × 1080 and 1280 × 1024.
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "app/shell/CWindowLayout.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/app/support/RunFolders.h"
#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <gtest/gtest.h>

TEST(WindowLayout, FirstStartTakesMostOfTheAreaCentredButNeverLessThan640x480)
{
    EXPECT_EQ(CWindowLayout::FirstMainWindow(QRect(0, 0, 1920, 1080)), QRect(96, 54, 1728, 972));
    // A panel on the left: centred in what is left.
    EXPECT_EQ(CWindowLayout::FirstMainWindow(QRect(64, 0, 1216, 1024)), QRect(125, 51, 1094, 921));
    EXPECT_EQ(CWindowLayout::FirstMainWindow(QRect(0, 0, 800, 600)), QRect(40, 30, 720, 540));
    EXPECT_EQ(CWindowLayout::FirstMainWindow(QRect(0, 0, 700, 500)), QRect(30, 10, 640, 480));
    // A screen smaller than that gets all of it, not a window hanging off it.
    EXPECT_EQ(CWindowLayout::FirstMainWindow(QRect(0, 0, 600, 400)), QRect(0, 0, 600, 400));
}

TEST(WindowLayout, TitleBarsOffEveryScreenComeBackToTheNearest)
{
    const QList<QRect> one{QRect(0, 0, 1280, 1024)};
    const int title = 20;
    // Drifted above the top edge: the title bar cannot be grabbed.
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(100, -16, 800, 600), one, title), QRect(100, 0, 800, 600));
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(100, 3, 800, 600), one, title), QRect(100, 3, 800, 600));
    // A sliver of title at the left edge is not enough to grab, a hand's width is.
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(-790, 100, 800, 600), one, title), QRect(0, 100, 800, 600));
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(-700, 100, 800, 600), one, title), QRect(-700, 100, 800, 600));
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(2000, 2000, 300, 200), one, title), QRect(980, 824, 300, 200));
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(-50, -50, 2000, 1500), one, title), QRect(0, 0, 2000, 1500));

    // Two screens side by side, the right one larger.
    const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(3300, 500, 400, 300), two, title), QRect(2800, 500, 400, 300));
    // Below the left screen but still on the taller right one: it can be grabbed there.
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(1400, 1050, 400, 300), two, title), QRect(1400, 1050, 400, 300));
    // Below the left screen only: back onto the left one, the nearer.
    EXPECT_EQ(CWindowLayout::OnScreen(QRect(100, 1030, 400, 300), two, title), QRect(100, 724, 400, 300));
}

TEST(WindowLayout, NewWindowsOpenRightOfWhatStandsOnTheLeft)
{
    const QRect workspace(0, 0, 1500, 800);
    const QList<QRect> tools{QRect(6, 6, 180, 150), QRect(6, 162, 160, 130), QRect(6, 298, 240, 40)};
    EXPECT_EQ(CWindowLayout::BesideObstacles(QRect(0, 0, 650, 500), workspace, tools, 6), QPoint(252, 0));
    EXPECT_EQ(CWindowLayout::BesideObstacles(QRect(400, 100, 650, 500), workspace, tools, 6), QPoint(400, 100));
    // Where the room beside them is too narrow, the window stays whole and covers less.
    EXPECT_EQ(CWindowLayout::BesideObstacles(QRect(0, 0, 650, 500), QRect(0, 0, 800, 600), tools, 6),
              QPoint(150, 0));
    // A tool window moved to the right half is the user's choice; nothing runs from it.
    const QList<QRect> right{QRect(1300, 10, 180, 150)};
    EXPECT_EQ(CWindowLayout::BesideObstacles(QRect(1000, 0, 400, 300), workspace, right, 6), QPoint(1000, 0));
    EXPECT_EQ(CWindowLayout::Stack(QPoint(5, 10), {QSize(100, 50), QSize(80, 30), QSize(90, 20)}, 6),
              (QList<QPoint>{QPoint(5, 10), QPoint(5, 66), QPoint(5, 102)}));
}

namespace {
std::string ProgramDir()
{
    return std::string(DAUBRIX_DATA_DIR) + "/";
}

QRect Area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool ScreenLargeEnough()
{
    return Area().width() >= 1280 && Area().height() >= 1024;
}

// One run of the program on the settings file of `folders`, started without a file.
struct ProgramRun {
    CQtProfile profile;
    CProgram program;
    explicit ProgramRun(const RunFolders& folders) : profile(folders.ini), program(profile) {}

    CMainFrame& Frame() { return *program.Frame(); }
    bool Start()
    {
        const QSize s = QGuiApplication::primaryScreen()->size();
        const bool ok = program.Start(ProgramDir(), {}, {s.width(), s.height()}, 32);
        QApplication::processEvents();
        return ok;
    }
    void End()
    {
        Frame().close();
        program.Finish();
        profile.Sync();
    }
};

void Store(const QString& ini, const std::map<QString, int>& values)
{
    QSettings s(ini, QSettings::IniFormat);
    for (const auto& [key, value] : values)
        s.setValue("Settings/" + key, value);
}

int Stored(const QString& ini, const QString& key)
{
    return QSettings(ini, QSettings::IniFormat).value("Settings/" + key, -99999).toInt();
}

QRect Global(QWidget& w)
{
    return QRect(w.mapToGlobal(QPoint(0, 0)), w.size());
}
} // namespace

TEST(ScreenPlacement, FirstStartFillsTheScreenAndDrawingsOpenClearOfTheToolWindows)
{
    if (!ScreenLargeEnough())
        GTEST_SKIP() << "needs a screen of 1280 x 1024 or more";
    RunFolders folders;
    ProgramRun run(folders);
    ASSERT_TRUE(run.Start());
    CMainFrame& f = run.Frame();
    const QRect outer = f.frameGeometry();
    EXPECT_GE(double(outer.width()) * outer.height(), 0.75 * Area().width() * Area().height());
    EXPECT_TRUE(Area().contains(outer));
    EXPECT_LE(std::abs(outer.center().x() - Area().center().x()), 2);

    // The tool windows stand inside the workspace on its left, none over another.
    const QRect workspace = Global(*f.Workspace()->viewport());
    QList<QRect> tools;
    for (int i = 0; i < 3; ++i) {
        QWidget* w = f.ToolWindowWidget(i);
        ASSERT_TRUE(w->isVisible()) << i;
        const QRect r = w->frameGeometry();
        EXPECT_TRUE(workspace.contains(r)) << i;
        EXPECT_LT(r.center().x(), workspace.center().x()) << i;
        for (const QRect& other : tools)
            EXPECT_FALSE(r.intersects(other)) << i;
        tools << r;
    }
    // Five cells wide: whole shapes, and room for the title beside the window buttons.
    EXPECT_GE(f.ToolWindowWidget(CMainFrame::ShapesWindow)->width(), 5 * 34);

    f.m_askDrawingSize = [](int& w, int& h, bool&) {
        w = 640;
        h = 480;
        return true;
    };
    for (int n = 0; n < 2; ++n) {
        CChildFrame* child = f.NewDrawing();
        ASSERT_NE(child, nullptr);
        QApplication::processEvents();
        const QRect drawing = Global(*child);
        EXPECT_TRUE(workspace.contains(drawing)) << n;
        for (const QRect& t : tools)
            EXPECT_FALSE(drawing.intersects(t)) << n;
        // Whole: no scroll bars, every pixel shown.
        EXPECT_EQ(child->ScrollArea().viewport()->size(), QSize(640, 480)) << n;
    }
    EXPECT_NE(f.Children().at(0)->pos(), f.Children().at(1)->pos()) << "the second does not hide the first";
    run.End();

    // What the first start chose is stored, and the next start keeps it.
    EXPECT_EQ(Stored(folders.ini, "appWindowX1"), outer.left());
    ProgramRun again(folders);
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.Frame().pos(), outer.topLeft());
    EXPECT_EQ(again.Frame().ToolWindowWidget(CMainFrame::ColorsWindow)->frameGeometry(), tools[1]);
    again.End();
}

TEST(ScreenPlacement, StoredPlacementsWinAndStrandedOnesComeBackOnScreen)
{
    if (!ScreenLargeEnough())
        GTEST_SKIP() << "needs a screen of 1280 x 1024 or more";
    RunFolders folders;
    Store(folders.ini, {{"appWindowX1", 40}, {"appWindowY1", 30}, {"appWindowX2", 840}, {"appWindowY2", 630},
                        {"colorsWindowX1", 900}, {"colorsWindowY1", 100}});
    {
        ProgramRun run(folders);
        ASSERT_TRUE(run.Start());
        EXPECT_EQ(run.Frame().pos(), QPoint(40, 30));
        EXPECT_EQ(run.Frame().size(), QSize(800, 600));
        EXPECT_FALSE(run.Frame().isMaximized());
        EXPECT_EQ(run.Frame().ToolWindowWidget(CMainFrame::ColorsWindow)->pos(), QPoint(900, 100));
        run.End();
    }

    // Left above the screen's top, and tool windows far off to the left.
    Store(folders.ini, {{"appWindowX1", 100}, {"appWindowY1", -300}, {"appWindowX2", 900}, {"appWindowY2", 300},
                        {"undoSliderX1", -5000}, {"undoSliderY1", 200}, {"shapesWindowX1", -900},
                        {"shapesWindowX2", -700}, {"shapesWindowY1", 50}, {"shapesWindowY2", 250}});
    ProgramRun run(folders);
    ASSERT_TRUE(run.Start());
    CMainFrame& f = run.Frame();
    EXPECT_EQ(f.frameGeometry().top(), Area().top());
    EXPECT_EQ(f.pos().x(), 100) << "only as far as needed";
    EXPECT_EQ(f.size(), QSize(800, 600));
    for (int i : {CMainFrame::ShapesWindow, CMainFrame::HistoryWindow}) {
        const QRect r = f.ToolWindowWidget(i)->frameGeometry();
        EXPECT_TRUE(Area().contains(r)) << i;
    }
    EXPECT_EQ(f.ToolWindowWidget(CMainFrame::HistoryWindow)->pos().y(), 200);
    run.End();
    // The place it came back to is what is stored now.
    EXPECT_GE(Stored(folders.ini, "appWindowY1"), Area().top());
    EXPECT_GE(Stored(folders.ini, "undoSliderX1"), Area().left());
}

TEST(ScreenPlacement, MaximizedRunsKeepTheNormalRectangle)
{
    if (!ScreenLargeEnough())
        GTEST_SKIP() << "needs a screen of 1280 x 1024 or more";
    RunFolders folders;
    Store(folders.ini, {{"appWindowShowCmd", 3}, {"appWindowX1", 100}, {"appWindowY1", 41}, {"appWindowX2", 900},
                        {"appWindowY2", 641}});
    for (int n = 0; n < 6; ++n) {
        ProgramRun run(folders);
        ASSERT_TRUE(run.Start());
        EXPECT_TRUE(run.Frame().isMaximized()) << n;
        run.End();
        EXPECT_EQ(Stored(folders.ini, "appWindowShowCmd"), 3) << n;
        EXPECT_EQ(Stored(folders.ini, "appWindowX1"), 100) << n;
        EXPECT_EQ(Stored(folders.ini, "appWindowY1"), 41) << n;
        EXPECT_EQ(Stored(folders.ini, "appWindowX2"), 900) << n;
        EXPECT_EQ(Stored(folders.ini, "appWindowY2"), 641) << n;
    }

    // Restored, moved and maximized again: the move is what is kept.
    ProgramRun run(folders);
    ASSERT_TRUE(run.Start());
    run.Frame().showNormal();
    QApplication::processEvents();
    run.Frame().move(150, 60);
    QApplication::processEvents();
    run.Frame().showMaximized();
    QApplication::processEvents();
    run.End();
    EXPECT_EQ(Stored(folders.ini, "appWindowX1"), 150);
    EXPECT_EQ(Stored(folders.ini, "appWindowY1"), 60);
    EXPECT_EQ(Stored(folders.ini, "appWindowX2"), 950);
    EXPECT_EQ(Stored(folders.ini, "appWindowShowCmd"), 3);
}
