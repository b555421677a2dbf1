#include "app/print/CPrintCommands.h"
#include "app/print/CQtPrintDialogs.h"
#include "core/base/AtomicFile.h"
#include "core/base/IHost.h"
#include "core/print/CPrintSizeModel.h"
#include "core/print/PageSize.h"
#include "core/print/PdfWriter.h"
#include "core/print/PrintLayout.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/FileMessages.h"
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
bool MeasureInto(CPrinterMetrics& metrics, const QPrinter& printer)
{
    // The painter's area on the sheet: what the page's coordinates start from.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return MeasurePrinter(metrics, page.width(), page.height(), printer.logicalDpiX(), printer.logicalDpiY());
}
} // namespace

CPrintCommands::CPrintCommands(IHost& host) : m_host(host) {}
CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::UsePdfOutput(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    // A file has no unprintable border: the page is the whole sheet, as the command line's.
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

QPrinter& CPrintCommands::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_printer->outputFormat() == QPrinter::PdfFormat || !m_printer->isValid()
            || QPrinterInfo::availablePrinters().isEmpty())
            UsePdfOutput(*m_printer);
    }
    return *m_printer;
}

void CPrintCommands::MeasurePrinter(QPrinter& printer)
{
    if (MeasureInto(m_settings.m_printer, printer))
        return;
    // A printer without a page would leave nothing to divide by.
    QPrinter pdf(QPrinter::HighResolution);
    UsePdfOutput(pdf);
    if (printer.pageLayout().pageSize().isValid())
        pdf.setPageSize(printer.pageLayout().pageSize());
    MeasureInto(m_settings.m_printer, pdf);
}

CRect CPrintCommands::PageRect(const QPrinter& printer, const CDaubrixDoc& doc) const
{
    // The size comes from the printing context's own resolution.
    CPrinterMetrics metrics = m_settings.m_printer;
    MeasureInto(metrics, printer);
    return PrintedPageRect(metrics, doc.Width(), doc.Height(), doc.PrintResolution(),
                           UnitFromIndex(m_settings.m_printUnits), m_settings.m_printCenter != 0);
}

void CPrintCommands::PaintPage(QPrinter& printer, CDaubrixView& view)
{
    view.PaintNowIfDue();
    const CImage32& image = view.DrawingImage();
    if (image.IsNull())
        return;
    const CRect r = PageRect(printer, view.Doc());
    const QImage picture(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(),
                         image.Width() * 4, QImage::Format_RGB32);
    QPainter painter(&printer);
    // A plain stretch: each drawing pixel becomes a block of one colour.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(r.left, r.top, r.Width(), r.Height()), picture);
}

bool CPrintCommands::PrintPage(QPrinter& printer, CDaubrixView& view)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        PaintPage(printer, view);
        return true;
    }
    // Print to file: our own PDF, built in memory and saved like every other file, with the
    // drawing's pixels as they are (Qt's PDF output would store them as a JPEG).
    view.PaintNowIfDue();
    const CImage32& image = view.DrawingImage();
    const CRect r = PageRect(printer, view.Doc());
    const QPageLayout layout = printer.pageLayout();
    const QRect paint = layout.paintRectPixels(printer.resolution());
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    const CPageSize page{sheet.width(), sheet.height()};
    const double ptX = 72.0 / printer.logicalDpiX(), ptY = 72.0 / printer.logicalDpiY();
    const CPdfBox box{(paint.left() + r.left) * ptX, (paint.top() + r.top) * ptY, r.Width() * ptX, r.Height() * ptY};
    const std::string path = printer.outputFileName().toStdString();
    std::string why;
    if (!image.IsNull()
        && WriteFileAtomically(path, BuildImagePagePdf(image, page.WidthPoints(), page.HeightPoints(), box), &why))
        return true;
    m_host.Message(WithReason("Failed to write " + path, why), MsgIcon::Exclamation);
    return false;
}

bool CPrintCommands::AskPrintSize(CDaubrixView& view, IPrintDialogs& dialogs)
{
    CDaubrixDoc& doc = view.Doc();
    CPrintSizeModel model(m_settings, doc.Width(), doc.Height(), doc.PrintResolution());
    if (!dialogs.AskPrintSize(model))
        return false;
    model.Store(m_settings, doc);
    return true;
}

bool CPrintCommands::SizeWhenPrinted(CDaubrixView& view, IPrintDialogs& dialogs)
{
    MeasurePrinter(Printer());
    return AskPrintSize(view, dialogs);
}

bool CPrintCommands::Print(CDaubrixView& view, IPrintDialogs& dialogs)
{
    QPrinter& printer = Printer();
    printer.setDocName(QString::fromStdString(view.Doc().Title()));
    if (!dialogs.AskPrint(printer))
        return false;
    MeasurePrinter(printer);
    // Cancel keeps the previous settings and still prints.
    AskPrintSize(view, dialogs);
    return PrintPage(printer, view);
}

void CPrintCommands::Preview(CDaubrixView& view, IPrintDialogs& dialogs)
{
    QPrinter& printer = Printer();
    MeasurePrinter(printer);
    AskPrintSize(view, dialogs);
    // The preview lays the page out again after a change of paper or orientation.
    dialogs.ShowPreview(printer, [this, &view](QPrinter& p) {
        MeasurePrinter(p);
        PaintPage(p, view);
    });
}

bool CPrintCommands::PrintSetup(IPrintDialogs& dialogs)
{
    return dialogs.AskPageSetup(Printer());
}

bool CPrintCommands::SizeWhenPrinted(CDaubrixView& view, QWidget* parent)
{
    CQtPrintDialogs dialogs(parent);
    return SizeWhenPrinted(view, dialogs);
}

bool CPrintCommands::Print(CDaubrixView& view, QWidget* parent)
{
    CQtPrintDialogs dialogs(parent);
    return Print(view, dialogs);
}

void CPrintCommands::Preview(CDaubrixView& view, QWidget* parent)
{
    CQtPrintDialogs dialogs(parent);
    Preview(view, dialogs);
}

bool CPrintCommands::PrintSetup(QWidget* parent)
{
    CQtPrintDialogs dialogs(parent);
    return PrintSetup(dialogs);
}
