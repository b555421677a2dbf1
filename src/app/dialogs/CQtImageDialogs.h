#pragma once
#include "core/view/IImageDialogs.h"
#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// The image commands' dialogs shown with Qt, owned by the given window.
class CQtImageDialogs : public IImageDialogs {
public:
    explicit CQtImageDialogs(QWidget* parent) : m_parent(parent) {}

    std::string AskSaveImagePath(bool lowColor) override;
    bool AskJpegQuality(int& position) override;
    std::string AskBackgroundPath() override;
    bool AskBackgroundSizing(BackgroundSizing& sizing) override;

    // The file-type choices of the Save Image and Load background dialogs.
    static QStringList ImageNameFilters(bool lowColor);

private:
    QPointer<QWidget> m_parent;
};


// How every file dialog of these commands is set up (save or open, filters, default suffix).
void ConfigureFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QStringList& filters,
                         const QString& suffix);

// Shows a configured file dialog; the chosen path, or empty when cancelled.
QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QStringList& filters,
                      const QString& suffix, const QString& suggested = {});
