// The command-line tool on damaged and older pictures, and on files the user protected or linked.
#include "core/imaging/PackedDib.h"
#include "tests/cli/CliFixture.h"
#include "tests/core/support/BmpMaker.h"
#include "tests/core/support/DamagedJpeg.h"
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
const std::vector<uint8_t> kOld = {'o', 'l', 'd'};

struct FileSafetyCliTest : CliTest {
    // Runs the tool as a user who is not root, as root may write anything: nobody, when the
    // suite runs as root, in a folder nobody may use.
    CliRun CliAsUser(const std::string& args)
    {
        if (geteuid() != 0)
            return Cli(args);
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::all);
        return RunCli(args, dir, "runuser -u nobody -- ");
    }
    std::string Content(const std::string& path)
    {
        std::string s;
        ReadWholeFile(path, s);
        return s;
    }
    // A file of that user, write-protected.
    void Protect(const std::string& path)
    {
        EXPECT_TRUE(WriteFileAtomically(path, kOld));
        if (geteuid() == 0) {
            EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
        }
        EXPECT_EQ(chmod(path.c_str(), 0444), 0);
    }
};

} // namespace

TEST_F(FileSafetyCliTest, DamagedJpegIsOneWarningLineAndStillSucceeds)
{
    const std::string jpg = dir.File("half.jpg");
    ASSERT_TRUE(WriteFileAtomically(jpg, DamagedJpeg(160, 120)));
    const CliRun imported = Cli("import " + Quote(jpg) + " " + Quote(dir.File("i.dbx")) + " --keep-background");
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, std::string("warning: ") + kPrematureEnd + "\n");

    // A drawing whose stored background was damaged renders with the same warning.
    doc->SetHasBackgroundImage(1);
    doc->SetBackgroundJpeg(DamagedJpeg(100, 80));
    const CliRun rendered = Cli("render " + Quote(Saved()) + " " + Quote(dir.File("r.png")));
    EXPECT_EQ(rendered.status, 0) << rendered.err;
    EXPECT_EQ(rendered.err, std::string("warning: ") + kPrematureEnd + "\n");
}

TEST_F(FileSafetyCliTest, OlderBitmapsImport)
{
    for (const BmpSpec& s : {BmpSpec{12, 4}, BmpSpec{12, 24}, BmpSpec{108, 16, false, true}, BmpSpec{40, 4, true}}) {
        const std::string bmp = dir.File("old.bmp");
        ASSERT_TRUE(WriteFileAtomically(bmp, MakeBmp(BmpTestPicture(90, 60, 7), s)));
        const CliRun r = Cli("import " + Quote(bmp) + " " + Quote(dir.File("o.dbx")) + " --keep-background");
        EXPECT_EQ(r.status, 0) << s.header << "/" << s.bpp << ": " << r.err;
        EXPECT_NE(r.out.find("globs imported"), std::string::npos);
        EXPECT_EQ(r.out.find("0 globs imported"), std::string::npos);
    }
}

TEST_F(FileSafetyCliTest, WriteProtectedFilesAreRefusedWithTheCommandsMessage)
{
    const std::string drawing = Saved();
    struct Case {
        std::string name, args, said;
    };
    const std::string bmp = dir.File("p.bmp"), dbx = dir.File("p.dbx"), pdf = dir.File("p.pdf"), avi = dir.File("p.avi");
    const std::vector<Case> cases = {
        {bmp, "render " + Quote(drawing) + " " + Quote(bmp), "Error writing BMP (the file is write-protected)"},
        {dbx, "import " + Quote(dir.File("in.bmp")) + " " + Quote(dbx),
         "Failed to save document. (the file is write-protected)"},
        {pdf, "print " + Quote(drawing) + " " + Quote(pdf), "Failed to write " + pdf + " (the file is write-protected)"},
        {avi, "movie " + Quote(drawing) + " " + Quote(avi) + " --frames 3 --codec uncompressed",
         "The movie was not written: the file is write-protected."},
    };
    ASSERT_TRUE(SaveBitmapAsBmp(dir.File("in.bmp"), BmpTestPicture(40, 30, 7)));
    for (const Case& c : cases) {
        Protect(c.name);
        const CliRun r = CliAsUser(c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_EQ(r.err, c.said + "\n") << c.args;
        EXPECT_EQ(Content(c.name), "old") << c.args;
    }
}

TEST_F(FileSafetyCliTest, LinksAreFollowedAndKept)
{
    const std::string drawing = Saved();
    const std::string target = dir.File("real.png"), other = dir.File("other name.png");
    ASSERT_TRUE(WriteFileAtomically(target, kOld));
    if (geteuid() == 0) {
        ASSERT_EQ(chown(target.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(link(target.c_str(), other.c_str()), 0);
    std::filesystem::create_symlink("real.png", dir.File("link.png"));

    ASSERT_EQ(CliAsUser("render " + Quote(drawing) + " " + Quote(dir.File("link.png"))).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.png")));
    const std::string written = Content(target);
    EXPECT_EQ(written.substr(1, 3), "PNG");
    // The other name of the file sees the same bytes: it is still the same file.
    EXPECT_EQ(Content(other), written);
    EXPECT_EQ(std::filesystem::hard_link_count(target), 2u);
}
