// Names users give their files and folders (spaces, accents, symbols) and folders the program
// cannot write to.
#include "app/shell/CAutoSaver.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "core/base/AtomicFile.h"
#include "tests/app/support/ProgramRig.h"
#include <QMessageBox>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
const std::string kFolder = "Mes dessins \xc3\xa0 moi";                   // "à"
const std::string kName = "Zeichnung \xc3\xa4\xc3\xb6\xc3\xbc \xe2\x82\xac 1";   // "äöü €"

std::string ProgramDir() { return std::string(DAUBRIX_DATA_DIR) + "/"; }
} // namespace

TEST(UnusualPaths, SaveOpenRecentAndCommandLineKeepTheName)
{
    ProgramRig f;
    const std::string folder = f.File(kFolder);
    fs::create_directories(folder);
    const std::string path = folder + "/" + kName + ".dbx";
    CChildFrame* c = f.Drawing(160, 120);
    const std::vector<CGlob> globs = c->Doc().Globs();

    f.dialogs.Then(DialogAnswerer::ChooseFile(folder + "/" + kName));
    f.Run(CommandId::FileSaveAs);
    ASSERT_TRUE(fs::exists(fs::u8path(path)));
    EXPECT_EQ(c->windowTitle(), QString::fromStdString(kName + ".dbx"));
    EXPECT_EQ(f.Frame().RecentFiles().value(0), QString::fromStdString(path));
    f.Close(c);

    f.dialogs.Then(DialogAnswerer::ChooseFile(path));
    f.Run(CommandId::FileOpen);
    ASSERT_EQ(f.Frame().Children().size(), 1);
    EXPECT_EQ(f.Frame().ActiveChild()->Doc().Globs(), globs);
    f.Close(f.Frame().ActiveChild());
    f.Run(CommandId::FileMru1);
    ASSERT_EQ(f.Frame().Children().size(), 1);
    EXPECT_EQ(f.Frame().ActiveChild()->Doc().PathName(), path);
    f.Close(f.Frame().ActiveChild());

    // Named on the command line, as a shell hands it over.
    TempDir config;
    CQtProfile profile(QString::fromStdString(config.File("Daubrix.ini")));
    profile.SetInt("Tip", "StartUp", 1); // no tip of the day in the way
    CProgram program(profile);
    ASSERT_TRUE(program.Start(ProgramDir(), {QString::fromLocal8Bit(path.c_str())}, {1024, 768}, 32));
    ASSERT_EQ(program.Frame()->Children().size(), 1);
    CChildFrame* opened = program.Frame()->Children()[0];
    EXPECT_EQ(opened->Doc().Globs(), globs);
    EXPECT_EQ(opened->windowTitle(), QString::fromStdString(kName + ".dbx"));
    program.Frame()->close();
    program.Finish();
}

TEST(UnusualPaths, FoldersThatCannotBeWrittenAreToldOnceAtExit)
{
    TempDir home;
    // A plain file where a folder should be: no one, not even root, can write below it.
    const std::string blocked = home.File("blocked");
    ASSERT_TRUE(WriteFileAtomically(blocked, std::vector<uint8_t>{'x'}));
    const std::string data = blocked + "/data", settings = blocked + "/config/Daubrix.ini";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
    QStringList said;
    {
        CQtProfile profile(QString::fromStdString(settings));
        profile.SetInt("Tip", "StartUp", 1); // no tip of the day in the way
        CProgram program(profile);
        DialogAnswerer dialogs;
        ASSERT_TRUE(program.Start(ProgramDir(), {}, {1024, 768}, 32));
        QApplication::processEvents();
        // A drawing changes and is copied against a crash, and fails to; it still saves elsewhere.
        program.Frame()->m_askDrawingSize = [](int& w, int& h, bool&) { return w = 120, h = 90, true; };
        CChildFrame* c = program.Frame()->NewDrawing();
        c->Doc().AddGlob(30, 30);
        c->Doc().SetModifiedFlag();
        EXPECT_FALSE(program.AutoSaver()->SaveNow());
        EXPECT_FALSE(program.AutoSaver()->SaveNow());
        c->Doc().SetPathName(home.File(kName + ".dbx"));
        EXPECT_TRUE(program.Frame()->m_saveDocument(*c));
        EXPECT_TRUE(fs::exists(fs::u8path(c->Doc().PathName())));
        EXPECT_TRUE(dialogs.titles.isEmpty()) << "nothing is said during the run";

        EXPECT_TRUE(program.Frame()->close());
        dialogs.Then([&said](QDialog& d) {
            auto* box = qobject_cast<QMessageBox*>(&d);
            ASSERT_NE(box, nullptr);
            said << box->text();
            box->accept();
        });
        program.Finish();
        EXPECT_TRUE(dialogs.Done());
        EXPECT_EQ(dialogs.titles.size(), 1);
    }
    ASSERT_EQ(said.size(), 1);
    const std::string text = said[0].toStdString();
    for (const std::string& part : {data + "/quillhollow/Daubrix/", blocked + "/config/", data + "/quillhollow/Daubrix/recovery/", std::string("The settings could not be kept."),
                                    std::string("shape sizes and colors"),
                                    std::string("color history"), std::string("copies of unsaved drawings")})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin: " << text;
    EXPECT_EQ(text.find("copies"), text.rfind("copies")) << "two failed copies, told once";
}
