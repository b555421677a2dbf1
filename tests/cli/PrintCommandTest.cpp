#include "core/base/AtomicFile.h"
#include "core/print/PageSize.h"
#include "core/print/PrintLayout.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include "tests/core/print/PdfRaster.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// A saved 80 x 60 drawing on an orange background at 20 dots per inch, and the command line
// run on it with its page rasterised.
struct PrintCli : ::testing::Test {
    TempDir dir;
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
    std::string drawing;

    void SetUp() override
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        ASSERT_GT(app.ShapeTable().Count(), 0);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(80);
        doc->SetHeight(60);
        doc->SetPrintResolution(20);
        doc->SetBackgroundColor(MakeColorRef(240, 130, 20));
        view = std::make_unique<CDaubrixView>(app, *doc);
        for (int i = 0; i < 12; ++i) {
            doc->SetColorChange(i, i * 30, 255, 200);
            doc->AddGlob(8 + i * 6, 10 + i * 4);
        }
        view->OnInitialUpdate();
        view->Paint();
        drawing = dir.File("d.dbx");
        ASSERT_TRUE(SaveDocumentFile(drawing, *doc, view.get(), host));
    }

    int Cli(const std::string& args, const std::string& out = "/dev/null")
    {
        const std::string cmd =
            std::string("'") + DAUBRIX_CLI + "' " + args + " >'" + out + "' 2>'" + dir.File("err.txt") + "'";
        const int raw = std::system(cmd.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string Err()
    {
        std::string e;
        ReadWholeFile(dir.File("err.txt"), e);
        return e;
    }
    // Prints with the options and checks the page, rasterised at rasterDpi pixels per inch, against
    // the layout's rectangle. Poppler smooths pictures enlarged less than four times, so rasterDpi
    // is chosen to enlarge the drawing more.
    void ExpectPage(const std::string& options, const CPageSize& page, int printerDpi, const CRect& printed,
                    int rasterDpi)
    {
        SCOPED_TRACE(options);
        const std::string pdf = dir.File("page.pdf");
        ASSERT_EQ(Cli("print '" + drawing + "' '" + pdf + "' " + options), 0) << Err();
        CImage32 raster;
        std::string problem;
        ASSERT_TRUE(RasterisePdf(pdf, rasterDpi, dir.Path(), raster, problem)) << problem;
        EXPECT_NEAR(raster.Width(), page.m_widthMm / 25.4 * rasterDpi, 1);
        EXPECT_NEAR(raster.Height(), page.m_heightMm / 25.4 * rasterDpi, 1);
        ExpectDrawingAt(raster, printed, static_cast<double>(rasterDpi) / printerDpi, view->DrawingImage());
    }
};

} // namespace

TEST_F(PrintCli, PageAndPlaceFollowTheLayout)
{
    const CPageSize a4 = *ParsePageSize("a4"), letter = *ParsePageSize("letter");
    const CPageSize card = *ParsePageSize("150x100mm");
    struct Case {
        std::string options;
        CPageSize page;
        int dpi, dots;
        PrintUnit unit;
        bool center;
        int raster;
    } cases[] = {
        {"", a4, 600, 20, PrintUnit::Inch, true, 100},
        {"--corner --page letter", letter, 600, 20, PrintUnit::Inch, false, 100},
        {"--dpu 8 --units cm --page 150x100mm --printer-dpi 300", card, 300, 8, PrintUnit::Cm, true, 100},
        {"--dpu 1 --units mm --corner --printer-dpi 1200", a4, 1200, 1, PrintUnit::Mm, false, 150},
    };
    for (const Case& c : cases)
        ExpectPage(c.options, c.page, c.dpi,
                   PrintedPageRect(c.page.AtResolution(c.dpi), 80, 60, c.dots, c.unit, c.center), c.raster);
    // Centred on letter at 600: 4 x 3 inches at (2.25, 4) inches.
    EXPECT_EQ(PrintedPageRect(letter.AtResolution(600), 80, 60, 20, PrintUnit::Inch, true),
              (CRect{1350, 2400, 3750, 4200}));
}

TEST_F(PrintCli, UsageAndFailures)
{
    const std::string out = " '" + dir.File("o.pdf") + "'";
    for (const char* bad : {"--dpu 0", "--dpu 2049", "--dpu -4", "--units inches", "--page a3", "--printer-dpi 0",
                            "--dpu", "--frame"})
        EXPECT_EQ(Cli("print '" + drawing + "'" + out + " " + bad), 2) << bad;
    EXPECT_EQ(Cli("print '" + drawing + "' '" + dir.File("o.png") + "'"), 2);
    EXPECT_EQ(Cli("print '" + drawing + "'"), 2);
    EXPECT_EQ(Cli("print '" + dir.File("none.dbx") + "'" + out), 1);
    EXPECT_EQ(Err(), "Failed to open document.\n");
    EXPECT_EQ(Cli("print '" + drawing + "' /nonexistent-folder-xyz/o.pdf"), 1);
    EXPECT_FALSE(Err().empty());

    std::string help;
    ASSERT_EQ(Cli("--help", dir.File("help.txt")), 0);
    ASSERT_TRUE(ReadWholeFile(dir.File("help.txt"), help));
    for (const char* word : {"print FILE.dbx OUT.pdf", "--dpu", "--units", "--corner", "--page", "--printer-dpi"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}
