#pragma once
#include "core/base/CRect.h"
#include "core/print/CPrintSettings.h"
#include <QWidget>
#include <memory>

class CDaubrixDoc;
class CDaubrixView;
class IHost;
class IPrintDialogs;
class QPrinter;

// File > Print, Print Preview and Print Setup, and Image > Size when printed. Owns the run's
// printing choices and the current printer (the one chosen in the last print or setup dialog).
// Where no print server or printer is to be had, the printer is Qt's PDF output at the
// locale's paper size, so every command still works and prints to a file.
class CPrintCommands {
public:
    // host reports a page file that cannot be written.
    explicit CPrintCommands(IHost& host);
    ~CPrintCommands();

    CPrintSettings& Settings() { return m_settings; }
    // The current printer, made on first use from the default printer.
    QPrinter& Printer();

    // Image > Size when printed: measures the printer and shows "Drawing size on printer".
    // True on OK.
    bool SizeWhenPrinted(CDaubrixView& view, IPrintDialogs& dialogs);
    // File > Print: the print dialog, then the size dialog (whose Cancel still prints with the
    // previous settings), then the page. False when the print dialog was cancelled or the
    // page file could not be written.
    bool Print(CDaubrixView& view, IPrintDialogs& dialogs);
    // File > Print Preview: the size dialog, then the page in the preview window.
    void Preview(CDaubrixView& view, IPrintDialogs& dialogs);
    // File > Print Setup.
    bool PrintSetup(IPrintDialogs& dialogs);

    // The same commands with Qt's dialogs over parent.
    bool SizeWhenPrinted(CDaubrixView& view, QWidget* parent);
    bool Print(CDaubrixView& view, QWidget* parent);
    void Preview(CDaubrixView& view, QWidget* parent);
    bool PrintSetup(QWidget* parent);

    // Takes the printer's printable page and resolution into the settings; a printer that
    // reports nothing is replaced by the measure of a PDF printer at the same paper size.
    void MeasurePrinter(QPrinter& printer);
    // Draws the view's drawing as the one page, at the size and place the settings give.
    void PaintPage(QPrinter& printer, CDaubrixView& view);
    // The page for the printer: painted, or for Print to file written as a PDF file through
    // the atomic save path. False when that file could not be written.
    bool PrintPage(QPrinter& printer, CDaubrixView& view);

    // Makes printer a PDF printer at the locale's paper size, printing to the whole sheet.
    static void UsePdfOutput(QPrinter& printer);

private:
    // The size dialog over the current settings; stores them on OK.
    bool AskPrintSize(CDaubrixView& view, IPrintDialogs& dialogs);
    // Where the drawing goes on the printer's page, in its pixels.
    CRect PageRect(const QPrinter& printer, const CDaubrixDoc& doc) const;

    IHost& m_host;

    CPrintSettings m_settings;
    std::unique_ptr<QPrinter> m_printer;
};
