// The answerer is what keeps a broken GUI test from hanging, so its own faults are tested:
// each case opens a real modal dialog, which must come back with the fault reported.
#include "tests/app/support/DialogAnswerer.h"
#include "app/dialogs/DocumentDialogs.h"
#include "tests/core/support/TempDir.h"
#include <QFileDialog>
#include <QMessageBox>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {
// Runs `body` with test failures caught instead of reported; returns their messages.
QStringList FailuresOf(const std::function<void()>& body)
{
    ::testing::TestPartResultArray caught;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &caught);
        body();
    }
    QStringList out;
    for (int i = 0; i < caught.size(); ++i)
        out << QString::fromStdString(caught.GetTestPartResult(i).message());
    return out;
}

int OpenDialogFor(QFileDialog& fd, const std::string& path)
{
    fd.setWindowTitle("Open");
    fd.setAcceptMode(QFileDialog::AcceptOpen);
    fd.setFileMode(QFileDialog::ExistingFile);
    fd.setDirectory(QString::fromStdString(path).section('/', 0, -2));
    return fd.exec();
}
} // namespace

TEST(DialogAnswerer, FaultyAnswersCloseTheirDialogAndFailTheTest)
{
    TempDir dir;
    const struct {
        const char* name;
        std::function<void(DialogAnswerer&)> script;
        QStringList expected;   // parts of the failures, in order
    } cases[] = {
        {"no step for it", [](DialogAnswerer&) {}, {"\"Stray\" nobody expected it"}},
        {"never ready",
         [](DialogAnswerer& d) { d.Then({"a sign", [](QDialog&) { return false; }, DialogAnswerer::Accept()}); },
         {"\"Stray\" never got ready for a sign"}},
        {"answer leaves it open", [](DialogAnswerer& d) { d.Then([](QDialog&) {}); }, {"\"Stray\" stayed open"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int result = -1;
        QStringList titles;
        const QStringList failures = FailuresOf([&] {
            DialogAnswerer dialogs;
            c.script(dialogs);
            QMessageBox box(QMessageBox::Question, "Stray", "Nobody answers this", QMessageBox::Yes | QMessageBox::No);
            result = box.exec();
            titles = dialogs.titles;
        });
        EXPECT_NE(result, QMessageBox::Yes);
        EXPECT_EQ(titles, QStringList{"Stray"});
        ASSERT_EQ(failures.size(), c.expected.size()) << failures.join("; ").toStdString();
        for (int i = 0; i < failures.size(); ++i)
            EXPECT_TRUE(failures[i].contains(c.expected[i])) << failures[i].toStdString();
    }

    // Open refuses a file that is not there and warns from inside its own answer: the warning
    // and then the dialog that stayed are both closed.
    QFileDialog fd;
    int result = -1;
    const QStringList failures = FailuresOf([&] {
        DialogAnswerer dialogs;
        dialogs.Then(DialogAnswerer::ChooseFile(dir.File("missing.dbx")));
        result = OpenDialogFor(fd, dir.File("missing.dbx"));
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(failures.size(), 2) << failures.join("; ").toStdString();
    EXPECT_TRUE(failures[0].contains("nobody expected it"));
    EXPECT_TRUE(failures[1].contains("\"Open\" stayed open"));

    // A script step whose dialog never opens is reported when the answerer goes.
    const QStringList unused = FailuresOf([] { DialogAnswerer(DialogAnswerer::Accept()).Then(DialogAnswerer::Cancel()); });
    ASSERT_EQ(unused.size(), 1);
    EXPECT_TRUE(unused[0].contains("never opened"));
}

TEST(DialogAnswerer, SaveDialogHandsBackTheChosenNameNotTheSuggestedOne)
{
    TempDir dir;
    DialogAnswerer dialogs;
    QStringList types;
    dialogs.Then(DialogAnswerer::ChooseFile(dir.File("chosen"), &types));
    EXPECT_EQ(AskSaveDocumentPath(nullptr, "Daubrix1.dbx").toStdString(), dir.File("chosen.dbx"));
    EXPECT_EQ(types.value(0), "Daubrix Files (*.dbx)");
    EXPECT_EQ(dialogs.titles.size(), 1);
}
