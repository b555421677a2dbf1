#include "app/dialogs/DocumentDialogs.h"
#include "app/dialogs/CQtImageDialogs.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"

namespace {
// The dialogs hide each filter's last bracket, so the shown text carries its own.
const QString kDocuments = QStringLiteral("Daubrix Files (*.dbx) (*.dbx)");
const QString kAllFiles = QStringLiteral("All Files (*.*) (*)");
} // namespace

QString AskOpenDocumentPath(QWidget* parent)
{
    return RunFileDialog(parent, QFileDialog::AcceptOpen, {kDocuments, kAllFiles}, QStringLiteral("dbx"));
}

QString AskSaveDocumentPath(QWidget* parent, const QString& suggested)
{
    return RunFileDialog(parent, QFileDialog::AcceptSave, {kDocuments, kAllFiles}, QStringLiteral("dbx"), suggested);
}

bool SaveDrawing(QWidget* parent, CDaubrixView& view, IHost& host)
{
    const CDaubrixDoc& doc = view.Doc();
    if (doc.PathName().empty())
        return SaveDrawingAs(parent, view, host);
    return SaveDocumentFile(doc.PathName(), view.Doc(), &view, host);
}

bool SaveDrawingAs(QWidget* parent, CDaubrixView& view, IHost& host)
{
    const CDaubrixDoc& doc = view.Doc();
    QString suggested = QString::fromStdString(doc.PathName());
    if (suggested.isEmpty())
        suggested = QString::fromStdString(doc.Title().empty() ? std::string("Daubrix") : doc.Title()) + ".dbx";
    const QString path = AskSaveDocumentPath(parent, suggested);
    if (path.isEmpty())
        return false;
    return SaveDocumentFile(path.toStdString(), view.Doc(), &view, host);
}
