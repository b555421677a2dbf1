#pragma once
#include "app/print/IPrintDialogs.h"
#include <QPointer>
#include <QWidget>

// The print commands' dialogs shown with Qt, owned by the given window.
class CQtPrintDialogs : public IPrintDialogs {
public:
    explicit CQtPrintDialogs(QWidget* parent) : m_parent(parent) {}

    bool AskPrintSize(CPrintSizeModel& model) override;
    bool AskPrint(QPrinter& printer) override;
    bool AskPageSetup(QPrinter& printer) override;
    void ShowPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    QPointer<QWidget> m_parent;
};
