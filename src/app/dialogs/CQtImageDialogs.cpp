#include "app/dialogs/CQtImageDialogs.h"
#include "app/dialogs/CJpegSettingsDialog.h"
#include "app/dialogs/CLoadBackgroundDialog.h"
#include <QFileDialog>

namespace {
const QString kAllImages = QStringLiteral("All Supported Formats (*.BMP,*.JPG) (*.bmp *.jpg *.jpeg *.png)");
const QString kBmpImages = QStringLiteral("BMP files (*.BMP) (*.bmp)");
const QString kJpegImages = QStringLiteral("JPEG files (*.JPG) (*.jpg *.jpeg)");
const QString kPngImages = QStringLiteral("PNG files (*.PNG) (*.png)");

} // namespace

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QStringList& filters,
                      const QString& suffix, const QString& suggested)
{
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, mode, filters, suffix);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void ConfigureFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QStringList& filters,
                         const QString& suffix)
{
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    // The pattern part of each filter is hidden, so the user reads the program's own texts.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
}

QStringList CQtImageDialogs::ImageNameFilters(bool lowColor)
{
    if (lowColor)
        return {kBmpImages};
    return {kAllImages, kBmpImages, kJpegImages, kPngImages};
}

std::string CQtImageDialogs::AskSaveImagePath(bool lowColor)
{
    return RunFileDialog(m_parent, QFileDialog::AcceptSave, ImageNameFilters(lowColor), QStringLiteral("bmp"))
        .toStdString();
}

bool CQtImageDialogs::AskJpegQuality(int& position)
{
    CJpegSettingsDialog dialog(position, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    position = dialog.Position();
    return true;
}

std::string CQtImageDialogs::AskBackgroundPath()
{
    return RunFileDialog(m_parent, QFileDialog::AcceptOpen, ImageNameFilters(false), QStringLiteral("bmp"))
        .toStdString();
}

bool CQtImageDialogs::AskBackgroundSizing(BackgroundSizing& sizing)
{
    CLoadBackgroundDialog dialog(sizing, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    sizing = dialog.Sizing();
    return true;
}
