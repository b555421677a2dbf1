#include "app/print/CQtPrintDialogs.h"
#include "app/print/CPrintSizeDialog.h"
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool CQtPrintDialogs::AskPrintSize(CPrintSizeModel& model)
{
    CPrintSizeDialog dialog(model, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    model = dialog.Model();
    return true;
}

bool CQtPrintDialogs::AskPrint(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    // One page only: no page ranges to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

bool CQtPrintDialogs::AskPageSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void CQtPrintDialogs::ShowPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog dialog(&printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(*p); });
    dialog.exec();
}
