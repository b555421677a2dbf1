#pragma once
#include "core/view/IImportDialogs.h"
#include <QPointer>
#include <QWidget>

// Image > Import's dialogs shown with Qt, owned by the given window.
class CQtImportDialogs : public IImportDialogs {
public:
    explicit CQtImportDialogs(QWidget* parent) : m_parent(parent) {}
    std::string AskImportPath() override;
    bool AskImportSettings(CImportSettings& settings) override;

private:
    QPointer<QWidget> m_parent;
};
