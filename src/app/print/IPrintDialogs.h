#pragma once
#include <functional>

class CPrintSizeModel;
class QPrinter;

// The dialogs the print commands show; the program shows Qt's, tests answer them.
class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;
    // "Drawing size on printer": true on OK, with the choices left in model.
    virtual bool AskPrintSize(CPrintSizeModel& model) = 0;
    // The print dialog (printer, copies, print to file); false when cancelled.
    virtual bool AskPrint(QPrinter& printer) = 0;
    // Paper and orientation of the printer; false when cancelled.
    virtual bool AskPageSetup(QPrinter& printer) = 0;
    // The preview window of the printer's page, drawn by paint whenever it is laid out again,
    // until the user closes it.
    virtual void ShowPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};
