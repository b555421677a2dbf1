// The program is killed while it holds unsaved drawings and started again: what it had copied
// comes back. The first run is this test program started again as a child (see RunRecoveryChild),
// on the offscreen platform with a home of its own, so that it can be killed like any program.
#include "app/shell/CAutoSaver.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "app/view/CDrawingWidget.h"
#include "core/base/AtomicFile.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/core/support/TempDir.h"
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kNamed = "My drawing \xc3\xa4 \xe2\x82\xac.dbx";
// Event-loop waits the child gets for each state it waits for; far more than it needs.
constexpr int kMaxWaits = 20000;

std::string ProgramDir() { return std::string(DAUBRIX_DATA_DIR) + "/"; }

std::string GlobText(const CDaubrixDoc& doc)
{
    std::ostringstream s;
    for (const CGlob& g : doc.Globs())
        s << g.X() << ' ' << g.Y() << ' ' << int(g.m_shape) << '\n';
    return s.str();
}

void Put(const std::string& path, const std::string& text)
{
    WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void Drag(CChildFrame& c, std::initializer_list<QPoint> pts, bool release)
{
    CDrawingWidget* w = &c.DrawingWidget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, *pts.begin());
    for (const QPoint& p : pts) {
        QTest::mouseMove(w, p);
        w->RunEngine();
    }
    if (release)
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, *(pts.end() - 1));
    w->RunEngine();
}

// Runs the event loop until done() holds; false when it never did.
template <class F> bool WaitFor(F done)
{
    for (int i = 0; i < kMaxWaits && !done(); ++i)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

DialogAnswerer::Act Press(QMessageBox::StandardButton button, QStringList& said)
{
    return [button, &said](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        ASSERT_NE(box, nullptr) << d.windowTitle().toStdString();
        said << box->text();
        box->button(button)->click();
    };
}

} // namespace

// The child: draws two drawings (one saved under a name and changed again), waits for their
// copies, notes their globs, then holds a stroke that autosaves must wait for, and says so.
int RunRecoveryChild(const QString& workDir)
{
    const std::string work = workDir.toStdString();
    CQtProfile profile(QString::fromStdString(work + "/Daubrix.ini"));
    profile.SetInt("Tip", "StartUp", 1); // no tip of the day in the way
    CProgram program(profile);
    if (!program.Start(ProgramDir(), {}, {1280, 1024}, 32) || !program.AutoSaver())
        return 3;
    CMainFrame& frame = *program.Frame();
    CAutoSaver& saver = *program.AutoSaver();
    saver.SetInterval(std::chrono::milliseconds(0));
    frame.m_askDrawingSize = [](int& w, int& h, bool&) { return w = 200, h = 150, true; };
    CChildFrame* first = frame.NewDrawing();
    Drag(*first, {{20, 20}, {80, 60}, {150, 40}}, true);
    CChildFrame* second = frame.NewDrawing();
    Drag(*second, {{30, 100}, {100, 30}}, true);
    second->Doc().SetPathName(work + "/" + kNamed);
    if (!frame.m_saveDocument(*second))
        return 4;
    Drag(*second, {{120, 120}, {60, 130}}, true);

    saver.SetInterval(std::chrono::milliseconds(20));
    const std::string copies = saver.Store().Folder();
    if (!WaitFor([&] { return fs::exists(copies + "/drawing-1.where") && fs::exists(copies + "/drawing-2.where"); }))
        return 5;
    Put(work + "/expected-1", GlobText(first->Doc()));
    Put(work + "/expected-2", GlobText(second->Doc()));
    // Globs of a stroke under way are not copied, however many autosaves come meanwhile.
    Drag(*first, {{40, 120}, {160, 120}}, false);
    const int before = saver.Postponed();
    if (!WaitFor([&] { return saver.Postponed() >= before + 3; }))
        return 6;
    Put(work + "/ready", "");
    WaitFor([] { return false; });
    return 7;
}

TEST(RecoveryAfterKill, TheNextStartOffersWhatWasCopiedBeforeTheKill)
{
    TempDir home;
    const std::string data = home.File("data"), work = home.File("work");
    fs::create_directories(work);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", QString::fromStdString(home.Path()));
    env.insert("XDG_DATA_HOME", QString::fromStdString(data));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File("config")));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--recovery-child", QString::fromStdString(work)});
    ASSERT_TRUE(child.waitForStarted());
    // Polled, with a bound far past what a slow sanitizer build needs.
    for (int i = 0; i < 450 && !fs::exists(work + "/ready") && child.state() == QProcess::Running; ++i)
        child.waitForFinished(100);
    ASSERT_TRUE(fs::exists(work + "/ready")) << "child ended with " << child.exitCode();
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    std::string expected[2];
    ASSERT_TRUE(ReadWholeFile(work + "/expected-1", expected[0]));
    ASSERT_TRUE(ReadWholeFile(work + "/expected-2", expected[1]));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
    const QString ini = QString::fromStdString(work + "/Daubrix.ini");
    QStringList said;
    {
        CQtProfile profile(ini);
        profile.SetInt("Tip", "StartUp", 1); // no tip of the day in the way
        CProgram program(profile);
        DialogAnswerer dialogs;
        dialogs.Then(Press(QMessageBox::Yes, said));
        ASSERT_TRUE(program.Start(ProgramDir(), {}, {1280, 1024}, 32));
        EXPECT_TRUE(dialogs.Done());
        const QList<CChildFrame*> children = program.Frame()->Children();
        ASSERT_EQ(children.size(), 2);
        EXPECT_EQ(children[0]->windowTitle(), "Daubrix1");
        EXPECT_EQ(children[0]->Doc().PathName(), "");
        EXPECT_EQ(children[1]->windowTitle(), QString::fromStdString(kNamed));
        EXPECT_EQ(children[1]->Doc().PathName(), work + "/" + kNamed);
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(children[i]->Doc().IsModified());
            EXPECT_FALSE(expected[i].empty());
            EXPECT_EQ(GlobText(children[i]->Doc()), expected[i]) << i;
        }
        // Closed without saving: nothing is left to offer.
        dialogs.Then(Press(QMessageBox::No, said));
        dialogs.Then(Press(QMessageBox::No, said));
        EXPECT_TRUE(program.Frame()->close());
        program.Finish();
    }
    EXPECT_EQ(said, QStringList({"Recover 2 unsaved drawings?", "Save changes to Daubrix1?",
                                 QString::fromStdString("Save changes to " + kNamed + "?")}));
    CQtProfile profile(ini);
    profile.SetInt("Tip", "StartUp", 1); // no tip of the day in the way
    CProgram again(profile);
    ASSERT_TRUE(again.Start(ProgramDir(), {}, {1280, 1024}, 32));
    EXPECT_TRUE(again.Frame()->Children().isEmpty());
    again.Frame()->close();
    again.Finish();
    EXPECT_TRUE(fs::is_empty(data + "/quillhollow/Daubrix/recovery"));
}
