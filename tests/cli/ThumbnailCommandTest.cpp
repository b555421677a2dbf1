#include "tests/cli/CliFixture.h"
#include "core/imaging/PngFile.h"
#include "DaubrixVersion.h"
#include <fstream>
#include <regex>

namespace {

// The PNG at path, or a null picture when there is none.
CImage32 ReadPng(const std::string& path)
{
    std::string bytes;
    CImage32 img;
    if (ReadWholeFile(path, bytes) && !ReadPngBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), img))
        img = CImage32();
    return img;
}

int Channel(Pixel p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

} // namespace

TEST_F(CliTest, ThumbnailIsTheWholeDrawingAveragedDown)
{
    const std::string drawing = Saved();
    ASSERT_EQ(Cli("render " + Quote(drawing) + " " + Quote(dir.File("full.png"))).status, 0);
    const CImage32 full = ReadPng(dir.File("full.png"));
    ASSERT_EQ(full.Width(), 120);

    // 120 x 90 into 60: exactly half, so each pixel is the rounded mean of a 2 x 2 block.
    const CliRun r = Cli("thumbnail " + Quote(drawing) + " " + Quote(dir.File("t.png")) + " 60");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.empty() && r.err.empty());
    const CImage32 thumb = ReadPng(dir.File("t.png"));
    ASSERT_EQ(thumb.Width(), 60);
    ASSERT_EQ(thumb.Height(), 45);
    int blended = 0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 60; ++x)
            for (int shift : {0, 8, 16}) {
                const int sum = Channel(full.At(2 * x, 2 * y), shift) + Channel(full.At(2 * x + 1, 2 * y), shift) +
                                Channel(full.At(2 * x, 2 * y + 1), shift) + Channel(full.At(2 * x + 1, 2 * y + 1), shift);
                ASSERT_NEAR(Channel(thumb.At(x, y), shift), sum / 4.0, 0.5 + 1e-3) << x << "," << y;
                blended += sum % 4 != 0;
            }
    EXPECT_GT(blended, 0) << "the drawing should have edges that blend";

    // Larger than the drawing: written at its own size, the same picture as render's.
    ASSERT_EQ(Cli("thumbnail " + Quote(drawing) + " " + Quote(dir.File("big")) + " 512").status, 0);
    EXPECT_EQ(ReadPng(dir.File("big")), full) << "a PNG whatever the name";
}

TEST_F(CliTest, ThumbnailRefusesWhatItCannotDo)
{
    const std::string drawing = Quote(Saved());
    const std::string out = Quote(dir.File("t.png"));
    for (const std::string& args : {std::string("thumbnail"), "thumbnail " + drawing + " " + out,
                                    "thumbnail " + drawing + " " + out + " 0", "thumbnail " + drawing + " " + out + " 4097",
                                    "thumbnail " + drawing + " " + out + " 12px", "thumbnail " + drawing + " " + out + " 64 --fast"}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("usage: daubrix-cli thumbnail"), std::string::npos) << args;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("t.png")));

    const std::string notDrawing = dir.File("not.dbx");
    std::ofstream(notDrawing) << "hello";
    CliRun r = Cli("thumbnail " + Quote(notDrawing) + " " + out + " 64");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

    r = Cli("thumbnail " + drawing + " " + Quote(dir.File("no/such/folder/t.png")) + " 64");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("PNG"), std::string::npos) << r.err;
}

// The installed thumbnailer entry, run as a file manager runs it: %i the drawing, %o the
// picture to write, %s the size.
TEST_F(CliTest, ThumbnailerEntryRunsTheCommand)
{
    std::ifstream entry(std::string(DAUBRIX_SOURCE_DIR) + "/packaging/daubrix.thumbnailer");
    std::string line, exec;
    while (std::getline(entry, line))
        if (line.starts_with("Exec="))
            exec = line.substr(5);
    ASSERT_TRUE(exec.starts_with("daubrix-cli ")) << exec;
    exec = std::regex_replace(exec.substr(12), std::regex("%i"), Quote(Saved()));
    exec = std::regex_replace(exec, std::regex("%o"), Quote(dir.File("thumb-out")));
    exec = std::regex_replace(exec, std::regex("%s"), "32");
    const CliRun r = Cli(exec);
    ASSERT_EQ(r.status, 0) << exec << "\n" << r.err;
    const CImage32 thumb = ReadPng(dir.File("thumb-out"));
    EXPECT_EQ(thumb.Width(), 32);
    EXPECT_EQ(thumb.Height(), 24);
}

TEST_F(CliTest, BothProgramsTellTheirVersion)
{
    const CliRun cli = Cli("--version");
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(cli.out, std::string("daubrix-cli ") + DAUBRIX_VERSION + "\n");
#ifdef DAUBRIX_APP
    // Without any display: a console user asks this too.
    const std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Quote(DAUBRIX_APP) +
                            " --version >" + Quote(dir.File("v.txt")) + " 2>&1";
    const int raw = std::system(cmd.c_str());
    std::string said;
    ReadWholeFile(dir.File("v.txt"), said);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << said;
    EXPECT_EQ(said, std::string("Daubrix ") + DAUBRIX_VERSION + "\n");
#endif
}
