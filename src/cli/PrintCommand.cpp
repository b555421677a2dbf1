#include "cli/PrintCommand.h"
#include "cli/CliSession.h"
#include "core/base/AtomicFile.h"
#include "core/print/PageSize.h"
#include "core/print/PdfWriter.h"
#include "core/print/PrintLayout.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

const char* const kPrintHelp =
    "\n"
    "usage: daubrix-cli print FILE.dbx OUT.pdf [--dpu N] [--units inch|cm|mm] [--corner]\n"
    "                         [--page a4|letter|WxHmm] [--printer-dpi D]\n"
    "print   writes the one page the program prints, as a PDF printer would get it: the\n"
    "        drawing scaled to N dots per unit, centred on the page or at its top-left corner.\n"
    "        --dpu N          drawing pixels per unit on paper, 1..2048 (default: the\n"
    "                         drawing's own print resolution), used as given even when the\n"
    "                         drawing is then larger than the page\n"
    "        --units U        the unit N counts in: inch (default), cm or mm\n"
    "        --corner         at the page's top-left corner instead of centred\n"
    "        --page P         a4 (default), letter, or WxHmm such as 100x150mm; no margins\n"
    "        --printer-dpi D  the printer's pixels per inch, 1..9600 (default 600)\n";

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;

int Usage(const std::string& problem)
{
    return CliUsage(problem, kPrintHelp);
}

struct PrintOptions {
    std::vector<std::string> files;
    std::optional<int> dots;
    PrintUnit unit = PrintUnit::Inch;
    bool center = true;
    CPageSize page;
    int printerDpi = 600;
};

// The problem with the arguments, or empty when they are good.
std::string Parse(const std::vector<std::string>& args, PrintOptions& o)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--dpu" || a == "--units" || a == "--page" || a == "--printer-dpi";
        if (takesValue && i + 1 >= args.size())
            return a + " needs a value";
        if (a == "--dpu") {
            if (!(o.dots = CliNumber(args[++i], 1, kMaxDotsPerUnit)))
                return "--dpu takes 1..2048";
        } else if (a == "--printer-dpi") {
            const auto dpi = CliNumber(args[++i], 1, 9600);
            if (!dpi)
                return "--printer-dpi takes 1..9600";
            o.printerDpi = *dpi;
        } else if (a == "--units") {
            const std::string& u = args[++i];
            if (u != "inch" && u != "cm" && u != "mm")
                return "--units takes inch, cm or mm";
            o.unit = u == "cm" ? PrintUnit::Cm : u == "mm" ? PrintUnit::Mm : PrintUnit::Inch;
        } else if (a == "--page") {
            const auto page = ParsePageSize(args[++i]);
            if (!page)
                return "--page takes a4, letter or WxHmm";
            o.page = *page;
        } else if (a == "--corner") {
            o.center = false;
        } else if (a.starts_with("--")) {
            return "unknown option " + a;
        } else {
            o.files.push_back(a);
        }
    }
    if (o.files.size() != 2)
        return "print needs FILE.dbx and OUT.pdf";
    const std::string& out = o.files[1];
    if (out.size() < 4 || (out.substr(out.size() - 4) != ".pdf" && out.substr(out.size() - 4) != ".PDF"))
        return "the page's name must end in .pdf";
    return {};
}

} // namespace

int PrintCommand(const std::vector<std::string>& args)
{
    PrintOptions o;
    if (const std::string problem = Parse(args, o); !problem.empty())
        return Usage(problem);

    CliSession s;
    if (!s.Open(o.files[0], true))
        return kFailed;
    CDaubrixDoc& doc = *s.doc;
    CDaubrixView* view = s.view.get();
    view->Paint();

    const CPrinterMetrics printer = o.page.AtResolution(o.printerDpi);
    const CRect r = PrintedPageRect(printer, doc.Width(), doc.Height(), o.dots.value_or(doc.PrintResolution()),
                                    o.unit, o.center);
    // Printer pixels to points.
    const double pt = 72.0 / o.printerDpi;
    const CPdfBox box{r.left * pt, r.top * pt, r.Width() * pt, r.Height() * pt};
    const std::vector<uint8_t> pdf =
        BuildImagePagePdf(view->DrawingImage(), o.page.WidthPoints(), o.page.HeightPoints(), box);
    std::string why;
    if (!WriteFileAtomically(o.files[1], pdf, &why)) {
        Say(WithReason("Failed to write " + o.files[1], why));
        return kFailed;
    }
    return kOk;
}
