#include "app/shell/CChildFrame.h"
#include "core/shell/CDaubrixApp.h"
#include "app/shell/CMainFrame.h"
#include "core/base/CMapProfile.h"
#include "core/shell/CSettingsTable.h"
#include "app/shell/CShellStartup.h"
#include "tests/core/support/FakeHost.h"
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
std::string DataDir()
{
    return std::string(DAUBRIX_DATA_DIR) + "/";
}
} // namespace

TEST(ShellStartup, MissingShapesEndTheRunAndKeepTheSettings)
{
    FakeHost host;
    CDaubrixApp app(host);
    CMapProfile profile;
    profile.SetInt("Settings", "PolarCount", 12);
    profile.m_writeOrder.clear();
    QTemporaryDir empty;
    CShellStartup s(app, profile);
    EXPECT_FALSE(s.InitInstance(empty.path().toStdString() + "/", {}, {1024, 768}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Shapes not found!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(s.Frame(), nullptr);
    EXPECT_FALSE(s.ExitInstance());
    EXPECT_TRUE(profile.m_writeOrder.empty());
    EXPECT_EQ(profile.GetInt("Settings", "PolarCount", 0), 12);
}

TEST(ShellStartup, StartsWithoutADrawingAndWritesSettingsAtExit)
{
    FakeHost host;
    CDaubrixApp app(host);
    CMapProfile profile;
    profile.SetInt("Settings", "LineDensity", 260);
    profile.SetInt("Settings", "appWindowX2", 2000);
    profile.SetInt("Settings", "appWindowY2", 500);
    CShellStartup s(app, profile);
    std::vector<std::string> steps;
    s.m_settingsLoaded = [&] { steps.push_back("settings " + std::to_string(app.Drawing().m_lineDensity)); };
    s.m_loadVideoLibraries = [&] { steps.push_back("video"); return false; };
    s.m_frameCreated = [&](CMainFrame&) { steps.push_back("frame"); };
    s.m_displayCheck = [&](CMainFrame& f) {
        steps.push_back(std::string("display ") + (f.isVisible() ? "shown" : "hidden") + " " +
                        std::to_string(app.Imaging().m_lowColor));
    };
    s.m_tipOfTheDay = [&](CMainFrame&) { steps.push_back("tip"); };
    s.m_screenDepth = 8;
    ASSERT_TRUE(s.InitInstance(DataDir(), {}, {1280, 1024}));
    EXPECT_EQ(steps, (std::vector<std::string>{"settings 4", "video", "frame", "display shown 1", "tip"}));
    EXPECT_TRUE(host.Said("AVI init failed."));
    EXPECT_EQ(app.ProgramDir(), DataDir());
    EXPECT_GT(app.ShapeTable().Count(), 0);
    ASSERT_NE(s.Frame(), nullptr);
    EXPECT_TRUE(s.Frame()->Children().isEmpty());
    EXPECT_EQ(app.Shell().m_appWindow.x2, 1279);
    if (const char* dir = std::getenv("DAUBRIX_SHOTS")) {
        // The whole screen, so the floating tool windows show too.
        QApplication::processEvents();
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString("%1/startup_screen.png").arg(dir));
    }

    profile.m_writeOrder.clear();
    EXPECT_TRUE(s.ExitInstance());
    EXPECT_EQ(profile.m_writeOrder.size(), CSettingsTable::KeysInOrder().size() + 1);   // + "Toolbars"
    EXPECT_EQ(profile.GetInt("Settings", "LineDensity", 0), 4);
}

TEST(ShellStartup, NamedFileOpensThroughTheReader)
{
    FakeHost host;
    CDaubrixApp app(host);
    CMapProfile profile;
    CShellStartup s(app, profile);
    QStringList opened;
    s.m_frameCreated = [&](CMainFrame& f) {
        f.m_openDocument = [&](const QString& p) {
            opened << p;
            return p.endsWith("good.dbx");
        };
    };
    EXPECT_TRUE(s.InitInstance(DataDir(), {"/tmp/good.dbx"}, {1024, 768}));
    EXPECT_EQ(opened, QStringList({"/tmp/good.dbx"}));
    s.ExitInstance();

    CDaubrixApp app2(host);
    CShellStartup s2(app2, profile);
    s2.m_frameCreated = s.m_frameCreated;
    // A file that cannot be read keeps the program open, with no drawing.
    EXPECT_TRUE(s2.InitInstance(DataDir(), {"/tmp/broken.dbx"}, {1024, 768}));
    EXPECT_EQ(opened.last(), "/tmp/broken.dbx");
    ASSERT_NE(s2.Frame(), nullptr);
    EXPECT_TRUE(s2.Frame()->isVisible());
    EXPECT_TRUE(s2.Frame()->Children().isEmpty());
    s2.ExitInstance();
}
