// What a user meets at the very first start: the tip of the day, and on a screen of 256
// colours or fewer the warning before it.
#include "app/dialogs/CLowColorDialog.h"
#include "app/dialogs/CTipDialog.h"
#include "app/shell/CMainFrame.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/app/support/RunFolders.h"
#include "tests/app/support/Shots.h"
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
std::string ProgramDir()
{
    return std::string(DAUBRIX_DATA_DIR) + "/";
}
} // namespace

TEST(StartUpGreeting, TheTipShowsAtTheFirstStartUntilTheBoxIsCleared)
{
    const RunFolders run(true);
    const QString& ini = run.ini;
    QString first, second, title;
    bool nextEnabled = false;
    {
        CQtProfile profile(ini);
        CProgram program(profile);
        DialogAnswerer dialogs;
        dialogs.Then([&](QDialog& d) {
            auto* tip = qobject_cast<CTipDialog*>(&d);
            ASSERT_NE(tip, nullptr) << d.windowTitle().toStdString();
            title = d.windowTitle();
            first = tip->TipLabel()->text();
            nextEnabled = tip->NextButton()->isEnabled();
            EXPECT_TRUE(tip->StartUpBox()->isChecked());
            MaybeShoot(d, "tip_of_the_day");
            tip->NextButton()->click();
            second = tip->TipLabel()->text();
            tip->StartUpBox()->setChecked(false);
            tip->CloseButton()->click();
        });
        ASSERT_TRUE(program.Start(ProgramDir(), {}, {1024, 768}, 32));
        EXPECT_TRUE(dialogs.Done());
        EXPECT_EQ(program.App().Imaging().m_lowColor, 0) << "a true-colour screen is not warned about";
        program.Frame()->close();
        program.Finish();
        profile.Sync();
    }
    EXPECT_EQ(title, "Daubrix Tip of the Day");
    EXPECT_TRUE(nextEnabled);
    EXPECT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    EXPECT_FALSE(first.startsWith(';')) << "the file's comment is not a tip";
    QSettings after(ini, QSettings::IniFormat);
    EXPECT_EQ(after.value("Tip/StartUp").toInt(), 1);
    EXPECT_GT(after.value("Tip/FilePos").toInt(), 0);
    EXPECT_FALSE(after.value("Tip/TimeStamp").toString().isEmpty());

    // The next start shows nothing; the Help menu still offers the tip, the one after the last.
    CQtProfile profile(ini);
    CProgram program(profile);
    DialogAnswerer dialogs;
    QString third;
    dialogs.Then([&](QDialog& d) {
        auto* tip = qobject_cast<CTipDialog*>(&d);
        ASSERT_NE(tip, nullptr);
        third = tip->TipLabel()->text();
        EXPECT_FALSE(tip->StartUpBox()->isChecked());
        d.reject();
    });
    ASSERT_TRUE(program.Start(ProgramDir(), {}, {1024, 768}, 32));
    EXPECT_FALSE(dialogs.Done()) << "no tip at this start";
    program.Frame()->Action(CommandId::TipOfTheDay)->trigger();
    EXPECT_TRUE(dialogs.Done());
    EXPECT_FALSE(third.isEmpty());
    EXPECT_NE(third, second);
    program.Frame()->close();
    program.Finish();
}

TEST(StartUpGreeting, AnEightBitScreenIsWarnedAboutOnce)
{
    const RunFolders run;
    CQtProfile profile(run.ini);
    CProgram program(profile);
    DialogAnswerer dialogs;
    QString title, text, button;
    dialogs.Then([&](QDialog& d) {
        ASSERT_NE(qobject_cast<CLowColorDialog*>(&d), nullptr) << d.windowTitle().toStdString();
        title = d.windowTitle();
        text = d.findChild<QLabel*>("lowColorText")->text();
        QPushButton* go = d.findChild<QPushButton*>();
        button = go->text();
        MaybeShoot(d, "too_few_colors");
        go->click();
    });
    ASSERT_TRUE(program.Start(ProgramDir(), {}, {1024, 768}, 8));
    EXPECT_TRUE(dialogs.Done());
    EXPECT_EQ(title, "Too Few Colors!");
    EXPECT_TRUE(text.startsWith("The current display mode is 8-bit (256 colors) or less.\n\nDaubrix was designed"));
    EXPECT_TRUE(text.endsWith("and run Daubrix again."));
    EXPECT_EQ(button, "Continue");
    EXPECT_EQ(program.App().Imaging().m_lowColor, 1);
    program.Frame()->close();
    program.Finish();
}
