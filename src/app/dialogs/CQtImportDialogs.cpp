#include "app/dialogs/CQtImportDialogs.h"
#include "app/dialogs/CImportImageDialog.h"
#include "app/dialogs/CQtImageDialogs.h"

std::string CQtImportDialogs::AskImportPath()
{
    return RunFileDialog(m_parent, QFileDialog::AcceptOpen, CQtImageDialogs::ImageNameFilters(false),
                         QStringLiteral("bmp"))
        .toStdString();
}

bool CQtImportDialogs::AskImportSettings(CImportSettings& settings)
{
    CImportImageDialog dialog(settings, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.Settings();
    return true;
}
