#include "core/base/AtomicFile.h"
#include "core/imaging/CImage32.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestShapes.h"
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& path)
{
    std::string s;
    EXPECT_TRUE(ReadWholeFile(path, s)) << path;
    return s;
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::string> Entries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A drawing of a million globs over a background picture: the size of file a long session makes.
std::vector<uint8_t> LargeDrawingFile(int seed)
{
    CShapeTable shapes;
    LoadTestShapes(shapes);
    CDaubrixDoc doc(shapes, nullptr);
    doc.SetWidth(1024);
    doc.SetHeight(768);
    for (int i = 0; i < 1'000'000; ++i)
        doc.AddGlob((i * 7 + seed) % 1024, (i * 13) % 768);
    DocumentBackground bg;
    bg.image = CImage32(320, 240, MakePixel(static_cast<uint8_t>(seed), 90, 200));
    doc.SetHasBackgroundImage(1);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(CDocumentFile::Write(doc, &bg, bytes));
    return bytes;
}

} // namespace

TEST(AtomicFile, KilledSaveLeavesTheOldOrTheNewFileWhole)
{
    TempDir dir;
    const std::string target = dir.File("drawing.dbx");
    const std::vector<uint8_t> oldBytes = LargeDrawingFile(1), newBytes = LargeDrawingFile(2);
    ASSERT_GT(newBytes.size(), 5'000'000u);
    ASSERT_NE(oldBytes, newBytes);
    ASSERT_TRUE(WriteFileAtomically(target, oldBytes));

    // Kill the saving process at moments spread from before the write to after the rename.
    int sawOld = 0, sawNew = 0;
    for (int k = 0; k < 16; ++k) {
        ASSERT_TRUE(WriteFileAtomically(target, oldBytes));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteFileAtomically(target, newBytes);
            _exit(0);
        }
        usleep(static_cast<useconds_t>(k * k * 300));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string now = Read(target);
        const bool isOld = now == std::string(oldBytes.begin(), oldBytes.end());
        const bool isNew = now == std::string(newBytes.begin(), newBytes.end());
        EXPECT_TRUE(isOld || isNew) << "kill " << k << " left " << now.size() << " bytes";
        sawOld += isOld;
        sawNew += isNew;
    }
    EXPECT_EQ(sawOld + sawNew, 16);
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);

    // Whatever the kills left behind goes with the next save of that file.
    ASSERT_TRUE(WriteFileAtomically(target, newBytes));
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"drawing.dbx"});
}

TEST(AtomicFile, NextSaveRemovesOnlyItsOwnStaleTemporaries)
{
    TempDir dir;
    // Two leftovers of killed saves of a.dbx, and names that only look alike.
    for (const char* n : {".a.dbx.save-Ab12Cd", ".a.dbx.save-zzzzzz", ".b.dbx.save-Ab12Cd", ".a.dbx.save-long1234",
                          "a.dbx.save-Ab12Cd", ".a.dbx.keep"})
        std::ofstream(dir.File(n)) << "x";
    ASSERT_TRUE(WriteFileAtomically(dir.File("a.dbx"), Bytes("drawing")));
    EXPECT_EQ(Read(dir.File("a.dbx")), "drawing");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{".a.dbx.keep", ".a.dbx.save-long1234",
                                                             ".b.dbx.save-Ab12Cd", "a.dbx", "a.dbx.save-Ab12Cd"}));
}

TEST(AtomicFile, NamesWithSpacesAndNonAsciiAndKeptPermissions)
{
    TempDir dir;
    for (const std::string name : {"my drawing.dbx", "Zeichnung \xc3\xa4\xc3\xb6\xc3\xbc.dbx", "\xe7\x94\xbb.bmp"}) {
        const std::string path = dir.File(name);
        ASSERT_TRUE(WriteFileAtomically(path, Bytes("one"))) << name;
        ASSERT_EQ(chmod(path.c_str(), 0640), 0);
        ASSERT_TRUE(WriteFileAtomically(path, Bytes("two"))) << name;
        EXPECT_EQ(Read(path), "two");
        struct stat st {};
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u) << name;
    }
}

TEST(AtomicFile, FailedSaveKeepsTheOldFileAndLeavesNothing)
{
    TempDir dir;
    const std::string target = dir.File("keep.dbx");
    ASSERT_TRUE(WriteFileAtomically(target, Bytes("old")));
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing folder/new.dbx"), Bytes("new")));
    // A target that is a folder cannot be replaced by a file.
    std::filesystem::create_directory(dir.File("folder.dbx"));
    EXPECT_FALSE(WriteFileAtomically(dir.File("folder.dbx"), Bytes("new")));
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"folder.dbx", "keep.dbx"}));
}
