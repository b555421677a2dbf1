#include "core/base/AtomicFile.h"
#include "core/base/CQuietHost.h"
#include "core/settings/CAutoChange.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/JpegFile.h"
#include "core/imaging/PackedDib.h"
#include "core/model/CDocumentFile.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageImport.h"
#include "tests/core/support/PhotoPicture.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>
#include "tests/cli/CliRunner.h"

namespace {

// The program's own import, in this process, with the shapes the command line reads.
struct Program {
    CQuietHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;

    Program(int w, int h)
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        app.ShapeTable().PrepareAll();
        app.Drawing().m_jitter = 0;
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(w);
        doc->SetHeight(h);
        doc->SetUndoImageSaved(1);
        view = std::make_unique<CDaubrixView>(app, *doc);
        view->OnInitialUpdate();
        view->Paint();
    }
};

struct ImportCliTest : ::testing::Test {
    TempDir dir;
    std::string photo;

    void SetUp() override
    {
        photo = dir.File("photo.jpg");
        ASSERT_TRUE(WriteJpegFile(photo, 90, MakePhotoPicture(400, 300)));
    }
    CliRun Cli(const std::string& args) { return RunCli(args, dir); }
    std::unique_ptr<CDaubrixDoc> Read(CDaubrixApp& app, const std::string& path)
    {
        auto doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), nullptr);
        EXPECT_TRUE(ReadDocument(path, *doc, nullptr, false));
        return doc;
    }
};

} // namespace

TEST_F(ImportCliTest, GivesTheGlobsAndColourChangesOfTheProgramsImport)
{
    struct Case {
        const char* args;
        void (*settings)(CDaubrixApp&);
    } cases[] = {
        {"--fit", [](CDaubrixApp& a) { a.Import().m_importFit = 1; }},
        {"--normal --order grid --keep-background --globs 8 --colours 3 --shape ring:small",
         [](CDaubrixApp& a) {
             a.Import().m_importOrderFromImage = 0;
             a.Import().m_importRemoveBackground = 0;
             a.Import().m_importGlobCount = 8;
             a.Import().m_importColorCount = 3;
             CShapeTable& t = a.ShapeTable();
             t.SelectShapeSize('B', 0);
             t.m_currentShape = static_cast<uint8_t>(t.FindShape('B', 0));
         }},
        {"--squash --new-colours --auto-hue 10 --auto-val 7:downup --colour 30,200,220",
         [](CDaubrixApp& a) {
             a.Import().m_importSquash = 1;
             a.Import().m_importPreserveColors = 0;
             a.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
             a.AutoChange().Set(ColorComponent::Value, kAutoDownUp, 7);
             CShape& s = a.CurrentShape();
             s.m_hue = 30, s.m_saturation = 200, s.m_value = 220;
             s.Recolor(30, 200, 220);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        Program p(320, 240);
        c.settings(p.app);
        const ImportOutcome o = ImportImageFile(*p.view, photo);
        ASSERT_GT(o.placed, 100);

        const std::string out = dir.File("cli.dbx");
        const CliRun r = Cli("import " + Quote(photo) + " " + Quote(out) + " --size 320x240 " + c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(std::to_string(o.placed) + " globs imported"), std::string::npos) << r.out;
        const auto doc = Read(p.app, out);
        EXPECT_EQ(doc->Globs(), p.doc->Globs());
        EXPECT_EQ(doc->ColorChanges(), p.doc->ColorChanges());
        EXPECT_EQ(doc->GetGlobCount(), doc->Sections().At(0));
    }
}

TEST_F(ImportCliTest, AppendsToADrawingAndRendersTheResult)
{
    const std::string first = dir.File("first.dbx"), second = dir.File("second.dbx");
    ASSERT_EQ(Cli("import " + Quote(photo) + " " + Quote(first) + " --size 200x150 --background-colour 10,20,30 "
                  "--jitter 2 --seed 5").status, 0);
    ASSERT_EQ(Cli("import " + Quote(photo) + " " + Quote(second) + " --into " + Quote(first) + " --globs 1").status, 0);
    CQuietHost host;
    CDaubrixApp app(host);
    const auto a = Read(app, first), b = Read(app, second);
    EXPECT_EQ(a->BackgroundColor(), MakeColorRef(10, 20, 30));
    ASSERT_GT(b->GetGlobCount(), a->GetGlobCount());
    EXPECT_TRUE(std::equal(a->Globs().begin(), a->Globs().end(), b->Globs().begin()));
    EXPECT_TRUE(b->IsSectionBoundary(a->GetGlobCount()));
    // The same seed jitters the same way.
    ASSERT_EQ(Cli("import " + Quote(photo) + " " + Quote(second) + " --size 200x150 --jitter 2 --seed 5").status, 0);
    EXPECT_EQ(Read(app, second)->Globs(), a->Globs());

    // A PNG render holds exactly the pixels of the BMP render.
    ASSERT_EQ(Cli("render " + Quote(first) + " " + Quote(dir.File("r.png"))).status, 0);
    ASSERT_EQ(Cli("render " + Quote(first) + " " + Quote(dir.File("r.bmp"))).status, 0);
    CImage32 png, bmp;
    ASSERT_TRUE(LoadImageFile(dir.File("r.png"), png));
    ASSERT_TRUE(LoadImageFile(dir.File("r.bmp"), bmp));
    EXPECT_EQ(png, bmp);
    EXPECT_EQ(png.Width(), 200);
    // Another reader agrees, where one is installed.
    if (std::system("command -v identify >/dev/null 2>&1") == 0) {
        const CliRun id = [&] {
            CliRun r;
            const std::string out = dir.File("id.txt");
            r.status = std::system(("identify -format '%w %h %m' " + Quote(dir.File("r.png")) + " >" + Quote(out)).c_str());
            ReadWholeFile(out, r.out);
            return r;
        }();
        EXPECT_EQ(id.out, "200 150 PNG");
    }
}

TEST_F(ImportCliTest, WrongUsageAndUnreadablePictures)
{
    const std::string out = dir.File("o.dbx");
    for (const char* bad : {"extra.dbx", "--globs 11", "--colours 0", "--order random", "--shape Q", "--shape A:huge",
                            "--size 0x5", "--auto-hue 5", "--new-colours --auto-sat 3:sideways", "--frobnicate",
                            "--into x.dbx --size 100x100"}) {
        const CliRun r = Cli("import " + Quote(photo) + " " + Quote(out) + " " + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_FALSE(std::filesystem::exists(out)) << bad;
    }
    const CliRun missing = Cli("import " + Quote(dir.File("none.jpg")) + " " + Quote(out));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Can't open file.\nerror reading file.\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliRun help = Cli("--help");
    for (const char* word : {"import IMAGE OUT.dbx", "--into", "--keep-background", "--new-colours", "--auto-hue",
                             "OUT.png"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}
