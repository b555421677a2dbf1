#include "core/shell/CRecoveryStore.h"
#include "core/base/AtomicFile.h"
#include "tests/core/support/DeadProcess.h"
#include "tests/core/support/TempDir.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

} // namespace

TEST(RecoveryStore, WhatADeadRunKeptIsFoundInOrderAndDroppedOnce)
{
    TempDir dir;
    const int dead = DeadProcess();
    ASSERT_FALSE(CRecoveryStore::ProcessAlive(dead));
    CRecoveryStore crashed(dir.Path(), dead);
    ASSERT_TRUE(crashed.Keep(10, "", "Daubrix2", Bytes("second")));
    ASSERT_TRUE(crashed.Keep(2, "/home/u/My drawing \xc3\xa4.dbx", "My drawing \xc3\xa4.dbx", Bytes("first")));
    ASSERT_TRUE(crashed.Keep(7, "", "Daubrix1", Bytes("dropped")));
    crashed.Drop(7);
    // A copy replaced by a later one is found once, with the later bytes.
    ASSERT_TRUE(crashed.Keep(10, "", "Daubrix2", Bytes("second, later")));

    CRecoveryStore now(dir.Path(), getpid());
    ASSERT_TRUE(now.Keep(1, "", "Daubrix1", Bytes("this run's own")));
    const auto orphans = now.FindOrphans();
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].path, "/home/u/My drawing \xc3\xa4.dbx");
    EXPECT_EQ(orphans[0].title, "My drawing \xc3\xa4.dbx");
    EXPECT_EQ(orphans[1].path, "");
    EXPECT_EQ(orphans[1].title, "Daubrix2");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(orphans[1].file, bytes));
    EXPECT_EQ(bytes, "second, later");

    now.DropOrphans();
    EXPECT_TRUE(now.FindOrphans().empty());
    // This run's own copies are not orphans and stay until it ends.
    EXPECT_TRUE(std::filesystem::exists(now.Folder() + "/drawing-1.dbx"));
    now.DropAll();
    EXPECT_FALSE(std::filesystem::exists(now.Folder()));
}

TEST(RecoveryStore, RunningProgramsAndHalfWrittenCopiesAreNotOrphans)
{
    TempDir dir;
    // Another program still running (our parent stands in for it) keeps its copies to itself.
    CRecoveryStore other(dir.Path(), getppid());
    ASSERT_TRUE(other.Keep(1, "", "Daubrix1", Bytes("in use")));
    // A crash between the drawing and its description leaves a copy that is not offered.
    const std::string deadFolder = dir.Path() + "/run-" + std::to_string(DeadProcess());
    std::filesystem::create_directories(deadFolder);
    std::ofstream(deadFolder + "/drawing-3.dbx") << "no description";
    std::ofstream(deadFolder + "/drawing-4.where") << "no drawing\nDaubrix4\n";
    CRecoveryStore now(dir.Path(), getpid());
    EXPECT_TRUE(now.FindOrphans().empty());
    EXPECT_TRUE(CRecoveryStore(dir.File("missing"), getpid()).FindOrphans().empty());
}

TEST(RecoveryStore, AFolderLeftUnderOurOwnIdIsStillFound)
{
    // After a restart the id of a crashed run can come round again for the next one.
    TempDir dir;
    CRecoveryStore before(dir.Path(), getpid());
    ASSERT_TRUE(before.Keep(3, "", "Daubrix3", Bytes("from the crashed run")));
    CRecoveryStore now(dir.Path(), getpid());
    EXPECT_TRUE(now.FindOrphans().empty()) << "without claiming, the folder looks like ours";
    now.ClaimFolder();
    ASSERT_TRUE(now.Keep(1, "", "Daubrix1", Bytes("this run's own")));
    const auto orphans = now.FindOrphans();
    ASSERT_EQ(orphans.size(), 1u);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(orphans[0].file, bytes));
    EXPECT_EQ(bytes, "from the crashed run");
    now.DropOrphans();
    EXPECT_TRUE(now.FindOrphans().empty());
    EXPECT_TRUE(std::filesystem::exists(now.Folder() + "/drawing-1.dbx"));
}

TEST(RecoveryStore, AnEndedRunNotYetReapedIsNotAlive)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    // Ended but not waited for: a zombie, as under a parent that never reaps.
    std::string stat;
    for (int i = 0; i < 100000 && (stat.find(") Z") == std::string::npos); ++i)
        ReadWholeFile("/proc/" + std::to_string(child) + "/stat", stat);
    ASSERT_NE(stat.find(") Z"), std::string::npos);
    EXPECT_FALSE(CRecoveryStore::ProcessAlive(child));
    EXPECT_TRUE(CRecoveryStore::ProcessAlive(getpid()));
    waitpid(child, nullptr, 0);
}
