// The program as it runs from main: start-up with a file named on the command line, the
// settings file and the automatic files written at exit.
#include "app/shell/CChildFrame.h"
#include "app/program/CFeatureWiring.h"
#include "app/shell/CMainFrame.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "core/shell/CSettingsTable.h"
#include "tests/core/support/TempDir.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/app/support/RunFolders.h"
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

namespace {
// Two globs of shape 3 at (10, 20) and (11, 20), one colour change, a section at 2: the
// 93-byte file another implementation writes for that drawing.
const unsigned char kExample[] = {
    0x07, 'D', 'a', 'u', 'b', 'r', 'i', 'x', 0x90, 0x01, 0, 0, 0x90, 0x01, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
    2, 0, 0, 0, 0, 0, 0, 0, 0x64, 0, 0, 0, 0x02, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0x05, 0x00, 'C', 'G', 'l', 'o',
    'b', 0x0A, 0x00, 0x14, 0x00, 0x03, 0x01, 0x80, 0x0B, 0x00, 0x14, 0x00, 0x03, 0x01, 0x00, 0xFF, 0xFF, 0x02,
    0x00, 0x0C, 0x00, 'C', 'C', 'o', 'l', 'o', 'r', 'C', 'h', 'a', 'n', 'g', 'e', 0, 0, 0, 0, 0x78, 0x00,
    0xFF, 0xC8, 0, 0, 0, 0};
static_assert(sizeof(kExample) == 93);

std::string ProgramDir()
{
    return std::string(DAUBRIX_DATA_DIR) + "/";
}

void WriteBytes(const std::string& path, const unsigned char* data, size_t n)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(n));
}

// The real settings file, with a note of the order in which "Settings" keys are written.
class RecordingProfile : public IProfile {
public:
    explicit RecordingProfile(const QString& ini) : m_file(ini) {}
    int GetInt(const std::string& s, const std::string& k, int d) override { return m_file.GetInt(s, k, d); }
    void SetInt(const std::string& s, const std::string& k, int v) override
    {
        if (s == CSettingsTable::kSection)
            m_settingsWrites.push_back(k);
        m_file.SetInt(s, k, v);
    }
    std::string GetString(const std::string& s, const std::string& k, const std::string& d) override
    {
        return m_file.GetString(s, k, d);
    }
    void SetString(const std::string& s, const std::string& k, const std::string& v) override
    {
        m_file.SetString(s, k, v);
    }
    CQtProfile m_file;
    std::vector<std::string> m_settingsWrites;
};
} // namespace

TEST(ProgramRun, CommandLineDrawingOpensAndExitWritesTheSettings)
{
    TempDir data, config;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path()));
    const std::string drawing = data.File("example.dbx");
    WriteBytes(drawing, kExample, sizeof(kExample));
    const QString ini = QString::fromStdString(config.File("Daubrix.ini"));
    {
        QSettings before(ini, QSettings::IniFormat);
        before.setValue("Settings/LineDensity", 260);
        before.setValue("Settings/PolarCount", 7);
        before.setValue("Settings/appWindowX2", 5000);
        before.setValue("Tip/StartUp", 1);
    }

    RecordingProfile profile(ini);
    CProgram program(profile);
    // Named as a shell user types it, relative to the working folder.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(data.Path()));
    const bool started = program.Start(ProgramDir(), {"example.dbx"}, {1280, 1024}, 32);
    QDir::setCurrent(cwd);
    ASSERT_TRUE(started);
    CMainFrame* frame = program.Frame();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(program.Wiring(), nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(program.App().Drawing().m_lineDensity, 4);
    EXPECT_EQ(program.App().Shell().m_appWindow.x2, 1279);
    ASSERT_EQ(frame->Children().size(), 1);
    CChildFrame* child = frame->Children()[0];
    EXPECT_EQ(child->Doc().Width(), 400);
    EXPECT_EQ(child->Doc().GetGlobCount(), 2);
    EXPECT_EQ(child->windowTitle(), "example.dbx");
    EXPECT_EQ(child->Doc().PathName(), drawing) << "kept whole, so Save writes where it was read";
    EXPECT_EQ(frame->RecentFiles(), QStringList({QString::fromStdString(drawing)}));
    // The tool windows stand where the settings put them, fed by the opened drawing.
    EXPECT_TRUE(frame->IsToolWindowVisible(CMainFrame::ShapesWindow));

    program.App().Drawing().m_polarCount = 9;   // a mode changed during the run
    EXPECT_TRUE(frame->close());
    QApplication::processEvents();
    // Nothing stays on screen to keep the event loop running.
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->windowTitle().toStdString();
    EXPECT_TRUE(program.Finish());
    profile.m_file.Sync();

    QSettings after(ini, QSettings::IniFormat);
    EXPECT_EQ(after.value("Settings/LineDensity").toInt(), 4) << "written back as the 8-bit field holds it";
    EXPECT_EQ(after.value("Settings/PolarCount").toInt(), 9);
    EXPECT_EQ(after.value("Settings/appWindowX2").toInt(), program.App().Shell().m_appWindow.x2);
    EXPECT_LT(program.App().Shell().m_appWindow.x2, 1280);
    EXPECT_EQ(after.value("Recent File List/File1").toString().toStdString(), drawing);
    EXPECT_FALSE(after.value("Toolbars/State").toString().isEmpty());
    // Every key of the table is written at exit, once each, in the table's order, and is in
    // the file (which lists them as QSettings sorts them).
    EXPECT_EQ(profile.m_settingsWrites, CSettingsTable::KeysInOrder());
    after.beginGroup("Settings");
    EXPECT_EQ(after.childKeys().size(), int(CSettingsTable::KeysInOrder().size()));
    after.endGroup();

    // The automatic files go to the per-user data folder, never into the program folder.
    const std::string own = data.Path() + "/quillhollow/Daubrix/";
    EXPECT_TRUE(std::filesystem::exists(own + "DBXlastDBX.dss"));
    EXPECT_TRUE(std::filesystem::exists(own + "DBXlastDBX.dch"));
    EXPECT_FALSE(std::filesystem::exists(ProgramDir() + "DBXlastDBX.dss"));
    EXPECT_FALSE(std::filesystem::exists(ProgramDir() + "DBXlastDBX.dch"));
}

TEST(ProgramRun, StartsEmptyWithoutAFileAndStaysOnAnUnreadableOne)
{
    RunFolders run;
    const QString& ini = run.ini;
    {
        CQtProfile profile(ini);
        CProgram program(profile);
        ASSERT_TRUE(program.Start(ProgramDir(), {}, {1024, 768}, 32));
        EXPECT_TRUE(program.Frame()->Children().isEmpty());
        // What the first run offers: the settings' defaults.
        EXPECT_EQ(program.App().Drawing().m_polarCount, 5);
        EXPECT_EQ(program.App().Drawing().m_jitterAmount, 3);
        program.Frame()->close();
        EXPECT_TRUE(program.Finish());
        profile.Sync();
    }
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("Settings/showShapesWindow").toInt(), 1);

    // A named file that is no drawing, or none at all (a file manager's "Open with" on a file
    // gone since), is reported and the program stays open with no drawing.
    const std::string junk = run.data.File("junk.dbx");
    WriteBytes(junk, reinterpret_cast<const unsigned char*>("not a drawing"), 13);
    const std::pair<std::string, QString> cases[] = {{junk, "Unexpected file format."},
                                                     {run.data.File("gone.dbx"), "Failed to open document."}};
    for (const auto& [file, message] : cases) {
        CQtProfile profile(ini);
        CProgram program(profile);
        QString said;
        DialogAnswerer dialogs;
        dialogs.Then([&said](QDialog& w) {
            auto* box = qobject_cast<QMessageBox*>(&w);
            ASSERT_NE(box, nullptr) << w.windowTitle().toStdString();
            said = box->text();
            box->accept();
        });
        EXPECT_TRUE(program.Start(ProgramDir(), {QString::fromStdString(file)}, {1024, 768}, 32));
        EXPECT_EQ(said, message);
        ASSERT_NE(program.Frame(), nullptr);
        EXPECT_TRUE(program.Frame()->isVisible());
        EXPECT_TRUE(program.Frame()->Children().isEmpty());
        program.Frame()->close();
        EXPECT_TRUE(program.Finish());
    }
}
