// The atomic save path on files the user protected or linked.
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string Read(const std::string& path)
{
    std::string s;
    ReadWholeFile(path, s);
    return s;
}

struct stat Stat(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
    return st;
}

bool Root() { return geteuid() == 0; }

// Runs fn as a user who is not root (root may write anything): as nobody in a child process
// when the suite runs as root, else here. Returns what fn returned.
std::string AsUser(const std::function<std::string()>& fn)
{
    if (!Root())
        return fn();
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string said = "cannot become nobody";
        if (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0)
            said = fn();
        if (write(fds[1], said.data(), said.size()) < 0)
            _exit(2);
        _exit(0);
    }
    close(fds[1]);
    std::string said;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        said.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return said;
}

// A file of that user (and group) with the given content and mode.
void MakeUsersFile(const std::string& path, const std::string& content, mode_t mode)
{
    ASSERT_TRUE(WriteFileAtomically(path, Bytes(content)));
    if (Root()) {
        ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

// What a save as that user said: "ok", or the reason it gave for failing (maybe empty).
std::string SaveAsUser(const std::string& path, const std::string& content)
{
    return AsUser([&] {
        std::string why;
        return WriteFileAtomically(path, Bytes(content), &why) ? std::string("ok") : "failed: " + why;
    });
}

std::vector<std::string> Entries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveTargetTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override { fs::permissions(dir.Path(), fs::perms::all); }
};

} // namespace

TEST_F(SaveTargetTest, WriteProtectedFileIsRefusedAndKept)
{
    const std::string path = dir.File("kept.dbx");
    MakeUsersFile(path, "old", 0444);
    EXPECT_EQ(SaveAsUser(path, "new"), "failed: the file is write-protected");
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Stat(path).st_mode & 0777, 0444u);

    // The piece-by-piece writer refuses it at Open, with the same reason.
    EXPECT_EQ(AsUser([&] {
                  CAtomicFileWriter w;
                  return w.Open(path) ? std::string("opened") : w.Refusal();
              }),
              "the file is write-protected");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"kept.dbx"});
}

TEST_F(SaveTargetTest, SymbolicLinksAreFollowedToTheirFinalTarget)
{
    fs::create_directory(dir.File("real"));
    fs::permissions(dir.File("real"), fs::perms::all);
    const std::string target = dir.File("real/drawing.dbx");
    MakeUsersFile(target, "old", 0640);
    // A relative link to a link to the file.
    fs::create_symlink("real/drawing.dbx", dir.File("first"));
    fs::create_symlink(dir.File("first"), dir.File("second.dbx"));

    EXPECT_EQ(SaveAsUser(dir.File("second.dbx"), "new"), "ok");
    EXPECT_EQ(Read(target), "new");
    EXPECT_TRUE(fs::is_symlink(dir.File("second.dbx")));
    EXPECT_TRUE(fs::is_symlink(dir.File("first")));
    EXPECT_EQ(Stat(target).st_mode & 0777, 0640u);

    // A protected file behind a link is refused like the file itself.
    ASSERT_EQ(chmod(target.c_str(), 0444), 0);
    EXPECT_EQ(SaveAsUser(dir.File("second.dbx"), "newer"), "failed: the file is write-protected");
    EXPECT_EQ(Read(target), "new");

    // A link to nothing yet makes the file it names; a loop of links is refused.
    fs::create_symlink("real/fresh.bmp", dir.File("fresh-link.bmp"));
    EXPECT_EQ(SaveAsUser(dir.File("fresh-link.bmp"), "fresh"), "ok");
    EXPECT_EQ(Read(dir.File("real/fresh.bmp")), "fresh");
    EXPECT_TRUE(fs::is_symlink(dir.File("fresh-link.bmp")));
    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    EXPECT_EQ(SaveAsUser(dir.File("loop-a"), "x"), "failed: the file is a loop of links");
    EXPECT_TRUE(fs::is_symlink(dir.File("loop-a")));
}

TEST_F(SaveTargetTest, HardLinkedFileStaysOneFileForAllItsNames)
{
    const std::string a = dir.File("a.dch"), b = dir.File("b.dch");
    MakeUsersFile(a, "a longer old content", 0600);
    ASSERT_EQ(link(a.c_str(), b.c_str()), 0);
    const ino_t inode = Stat(a).st_ino;

    EXPECT_EQ(SaveAsUser(a, "short"), "ok");
    EXPECT_EQ(Read(b), "short");
    EXPECT_EQ(Stat(a).st_ino, inode);
    EXPECT_EQ(Stat(b).st_nlink, 2u);
    EXPECT_EQ(Stat(a).st_mode & 0777, 0600u);

    // Written piece by piece, and longer than before.
    EXPECT_EQ(AsUser([&] {
                  CAtomicFileWriter w;
                  const bool ok = w.Open(b) && w.Write("0123456789", 10) && w.WriteAt(0, "AB", 2)
                      && w.Write("tail", 4) && w.Commit();
                  return std::string(ok ? "ok" : "failed");
              }),
              "ok");
    EXPECT_EQ(Read(a), "AB23456789tail");
    // Neither the new content's temporary file nor the old content's copy is left.
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"a.dch", "b.dch"}));
}

TEST_F(SaveTargetTest, FolderThatTakesNoTemporaryFileGetsItsWritableFileWrittenDirectly)
{
    if (!Root())
        GTEST_SKIP() << "needs a folder the user cannot write holding a file the user can";
    const std::string folder = dir.File("shared");
    fs::create_directory(folder);
    const std::string path = folder + "/settings.dss";
    MakeUsersFile(path, "the old settings, longer", 0644);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                | fs::perms::others_read | fs::perms::others_exec);
    const ino_t inode = Stat(path).st_ino;

    EXPECT_EQ(SaveAsUser(path, "new"), "ok");
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(Stat(path).st_ino, inode);
    // A new file cannot be made there at all: a plain failure with no reason of its own.
    EXPECT_EQ(SaveAsUser(folder + "/other.dss", "x"), "failed: ");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"settings.dss"});
}

TEST_F(SaveTargetTest, OwnerAndGroupAreKeptOrTheFileIsWrittenInPlace)
{
    if (!Root())
        GTEST_SKIP() << "needs files of two users";
    // Root saving a file of nobody's: the new file is nobody's too.
    const std::string theirs = dir.File("theirs.bmp");
    MakeUsersFile(theirs, "old", 0664);
    ASSERT_TRUE(WriteFileAtomically(theirs, Bytes("new")));
    EXPECT_EQ(Stat(theirs).st_uid, kNobody);
    EXPECT_EQ(Stat(theirs).st_gid, kNobody);
    EXPECT_EQ(Stat(theirs).st_mode & 0777, 0664u);

    // Nobody saving root's file that nobody may write: a temporary file of nobody's cannot
    // take root as owner, so the file is overwritten where it is and stays root's.
    const std::string roots = dir.File("roots.pdf");
    ASSERT_TRUE(WriteFileAtomically(roots, Bytes("old")));
    ASSERT_EQ(chmod(roots.c_str(), 0666), 0);
    const ino_t inode = Stat(roots).st_ino;
    EXPECT_EQ(SaveAsUser(roots, "new from nobody"), "ok");
    EXPECT_EQ(Read(roots), "new from nobody");
    EXPECT_EQ(Stat(roots).st_uid, 0u);
    EXPECT_EQ(Stat(roots).st_gid, 0u);
    EXPECT_EQ(Stat(roots).st_ino, inode);
    EXPECT_EQ(Stat(roots).st_mode & 0777, 0666u);
}
