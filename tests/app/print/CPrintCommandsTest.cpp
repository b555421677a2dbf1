#include "app/print/CPrintCommands.h"
#include "app/print/CPrintSizeDialog.h"
#include "app/print/IPrintDialogs.h"
#include "core/print/PrintLayout.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "tests/app/support/Shots.h"
#include "tests/core/print/PdfRaster.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestShapes.h"
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Answers the print commands' dialogs from a script and remembers what was asked.
struct ScriptedPrintDialogs : IPrintDialogs {
    bool printAnswer = true;
    bool sizeAnswer = false;
    std::function<void(CPrintSizeDialog&)> setControls;
    QString outputFile;
    int sizeAsked = 0, printAsked = 0;
    QImage previewShot;
    const char* previewName = "print_preview";

    bool AskPrintSize(CPrintSizeModel& model) override
    {
        ++sizeAsked;
        // The real dialog, its controls set as a person would, then closed.
        CPrintSizeDialog dialog(model);
        if (setControls)
            setControls(dialog);
        if (!sizeAnswer) {
            dialog.reject();
            return false;
        }
        dialog.accept();
        model = dialog.Model();
        return true;
    }
    bool AskPrint(QPrinter& printer) override
    {
        ++printAsked;
        printer.setOutputFileName(outputFile);
        return printAnswer;
    }
    bool AskPageSetup(QPrinter& printer) override
    {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    }
    void ShowPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, [&paint](QPrinter* p) { paint(*p); });
        preview.resize(420, 560);
        preview.show();
        preview.updatePreview();
        preview.fitInView();
        previewShot = GrabFor(preview, previewName);
    }
};

// A 120 x 90 drawing of globs on a teal background, shown by its view.
struct PrintCommandsTest : ::testing::Test {
    TempDir dir;
    FakeHost host;
    CDaubrixApp app{host};
    CDaubrixDoc doc{app.ShapeTable(), &host};
    std::unique_ptr<CDaubrixView> view;
    CPrintCommands commands{host};
    ScriptedPrintDialogs dialogs;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc.SetWidth(120);
        doc.SetHeight(90);
        doc.SetPrintResolution(30);
        doc.SetBackgroundColor(MakeColorRef(20, 150, 160));
        view = std::make_unique<CDaubrixView>(app, doc);
        for (int i = 0; i < 15; ++i) {
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(i % 6);
            doc.SetColorChange(i, i * 24, 230, 250);
            doc.AddGlob(10 + i * 7, 15 + i * 4);
        }
        view->OnInitialUpdate();
        view->Paint();
        doc.SetModifiedFlag(false);
        dialogs.outputFile = QString::fromStdString(dir.File("print.pdf"));
        // The paper asked for, whatever the machine's locale.
        commands.Printer().setPageSize(QPageSize(QPageSize::Letter));
    }

    // The printed page as pixels, and where the layout says the drawing is, in those pixels.
    void ExpectPrinted(bool center, int dots, PrintUnit unit, const char* shotName)
    {
        // Enlarges the drawing more than four times, which poppler does without smoothing.
        constexpr int kRaster = 150;
        CImage32 page;
        std::string problem;
        ASSERT_TRUE(RasterisePdf(dialogs.outputFile.toStdString(), kRaster, dir.Path(), page, problem)) << problem;
        QImage shot(reinterpret_cast<const uchar*>(page.Data()), page.Width(), page.Height(), QImage::Format_RGB32);
        if (const QByteArray shots = qgetenv("DAUBRIX_SHOTS"); !shots.isEmpty())
            shot.save(QString::fromLocal8Bit(shots) + "/" + shotName + ".png");
        EXPECT_NEAR(page.Width(), 1275, 1);
        EXPECT_NEAR(page.Height(), 1650, 1);
        const CPrinterMetrics& m = commands.Settings().m_printer;
        const CRect r = PrintedPageRect(m, 120, 90, dots, unit, center);
        ExpectDrawingAt(page, r, static_cast<double>(kRaster) / m.m_dpiX, view->DrawingImage());
    }
};

} // namespace

TEST_F(PrintCommandsTest, WithoutAPrintServerThePrinterIsAPdfFile)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer installed";
    QPrinter& p = commands.Printer();
    EXPECT_EQ(p.outputFormat(), QPrinter::PdfFormat);
    commands.MeasurePrinter(p);
    const CPrinterMetrics& m = commands.Settings().m_printer;
    EXPECT_EQ(m.m_dpiX, 600);
    EXPECT_EQ(m.m_dpiY, 600);
    EXPECT_EQ(m.m_width, 5100);
    EXPECT_EQ(m.m_height, 6600);
    EXPECT_TRUE(commands.PrintSetup(dialogs));
    commands.MeasurePrinter(p);
    EXPECT_EQ(m.m_width, 6600) << "the setup's orientation is the next measure's";
}

TEST_F(PrintCommandsTest, CancelInTheSizeDialogStillPrintsCentred)
{
    dialogs.setControls = [](CPrintSizeDialog& d) { d.UnitBox()->setCurrentIndex(2); };
    ASSERT_TRUE(commands.Print(*view, dialogs));
    EXPECT_EQ(dialogs.sizeAsked, 1);
    EXPECT_EQ(doc.PrintResolution(), 30);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(commands.Settings().m_printUnits, 0);
    ExpectPrinted(true, 30, PrintUnit::Inch, "printed_page_centred");
}

TEST_F(PrintCommandsTest, OkStoresTheChoicesThatThePagePrints)
{
    dialogs.sizeAnswer = true;
    dialogs.setControls = [](CPrintSizeDialog& d) {
        d.UnitBox()->setCurrentIndex(1);   // 30 per inch is 12 per cm
        d.CenterBox()->setChecked(false);
    };
    ASSERT_TRUE(commands.Print(*view, dialogs));
    EXPECT_EQ(doc.PrintResolution(), 12);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(commands.Settings().m_printCenter, 0);
    EXPECT_EQ(commands.Settings().m_printUnits, 1);
    ExpectPrinted(false, 12, PrintUnit::Cm, "printed_page_corner");
}

TEST_F(PrintCommandsTest, CancelledPrintDialogPrintsNothing)
{
    dialogs.printAnswer = false;
    EXPECT_FALSE(commands.Print(*view, dialogs));
    EXPECT_EQ(dialogs.sizeAsked, 0);
    EXPECT_FALSE(std::filesystem::exists(dialogs.outputFile.toStdString()));

    dialogs.printAnswer = true;
    dialogs.outputFile = "/nonexistent-folder-xyz/print.pdf";
    EXPECT_FALSE(commands.Print(*view, dialogs));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Failed to write /nonexistent-folder-xyz/print.pdf");
}

TEST_F(PrintCommandsTest, SizeWhenPrintedMeasuresFirst)
{
    dialogs.sizeAnswer = true;
    dialogs.setControls = [](CPrintSizeDialog& d) { d.MaxSizeButton()->click(); };
    EXPECT_TRUE(commands.SizeWhenPrinted(*view, dialogs));
    EXPECT_EQ(commands.Settings().m_printer.m_width, 5100);
    // 120 pixels over 8.5 inches, 0.5 short of the fitting value.
    EXPECT_EQ(doc.PrintResolution(), 13);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PrintCommandsTest, PreviewShowsTheDrawingCentredOrAtTheCorner)
{
    const Pixel teal = MakePixel(20, 150, 160);
    for (bool center : {true, false}) {
        SCOPED_TRACE(center);
        commands.Settings().m_printCenter = center;
        dialogs.previewName = center ? "print_preview_centred" : "print_preview_corner";
        commands.Preview(*view, dialogs);
        const QImage& shot = dialogs.previewShot;
        ASSERT_FALSE(shot.isNull());
        // The white sheet and the drawing's background on it.
        QRect sheet, drawing;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb c = shot.pixel(x, y) | 0xFF000000u;
                if (c == 0xFFFFFFFFu)
                    sheet |= QRect(x, y, 1, 1);
                else if (c == teal)
                    drawing |= QRect(x, y, 1, 1);
            }
        ASSERT_FALSE(sheet.isEmpty());
        ASSERT_FALSE(drawing.isEmpty());
        EXPECT_TRUE(sheet.contains(drawing));
        // 4 x 3 inches on 8.5 x 11.
        EXPECT_NEAR(drawing.width() * 8.5 / sheet.width(), 4.0, 0.1);
        if (center) {
            EXPECT_NEAR(drawing.center().x(), sheet.center().x(), 2);
            EXPECT_NEAR(drawing.center().y(), sheet.center().y(), 2);
        } else {
            EXPECT_NEAR(drawing.left(), sheet.left(), 2);
            EXPECT_NEAR(drawing.top(), sheet.top(), 2);
        }
    }
    EXPECT_EQ(dialogs.sizeAsked, 2);
}
