#include "app/menus/CFileMenu.h"
#include "app/menus/CMenuContext.h"
#include "app/print/CPrintCommands.h"
#include "app/dialogs/DocumentDialogs.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include "core/model/CDocumentFile.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

using C = CommandId;

namespace {
bool OpenDocument(const CMenuContext& ctx, const QString& path)
{
    CMainFrame& frame = ctx.frame;
    CDaubrixApp& app = ctx.app;
    // Stored absolute, so Save writes where the file came from whatever the current folder.
    const QString full = QFileInfo(path).absoluteFilePath();
    if (CChildFrame* open = frame.ChildShowing(full)) {
        // A drawing already open is brought forward, not read a second time.
        frame.Workspace()->setActiveSubWindow(open);
        return true;
    }
    auto doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &app.Host());
    DocumentBackground background;
    if (!ReadDocumentFile(full.toStdString(), *doc, &background, app.Imaging().m_lowColor != 0, app.Host()))
        return false;
    CChildFrame* child = frame.AddDocument(std::move(doc));
    ShowOpenedDocument(child->View(), std::move(background));
    child->FitToDrawing();
    child->DrawingWidget().Invalidate();
    // The shapes of a stored drawing may now hold its colours.
    ctx.ShapeChanged();
    ctx.ReloadHistory();
    return true;
}
} // namespace

void CFileMenu::Install(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    f.m_openDocument = [&ctx](const QString& path) { return OpenDocument(ctx, path); };
    f.m_saveDocument = [&ctx](CChildFrame& c) {
        bool ok = SaveDrawing(&ctx.frame, c.View(), ctx.app.Host());
        if (ok)
            ctx.frame.DocumentSaved(c);
        return ok;
    };
    QObject::connect(f.Action(C::FileNew), &QAction::triggered, &f, [&f] { f.NewDrawing(); });
    QObject::connect(f.Action(C::FileOpen), &QAction::triggered, &f, [&f] {
        QString path = QFileDialog::getOpenFileName(&f, "Open", QString(), "Daubrix Files (*.dbx);;All Files (*)");
        if (!path.isEmpty())
            f.OpenFile(path);
    });
    QObject::connect(f.Action(C::FileClose), &QAction::triggered, &f, [&f] {
        if (QMdiSubWindow* w = f.Workspace()->activeSubWindow())
            w->close();
    });
    QObject::connect(f.Action(C::FileSave), &QAction::triggered, &f, [&f] {
        if (CChildFrame* c = f.ActiveChild(); c && f.m_saveDocument)
            f.m_saveDocument(*c);
    });
    QObject::connect(f.Action(C::FileSaveAs), &QAction::triggered, &f, [&ctx] {
        CChildFrame* c = ctx.frame.ActiveChild();
        if (c && SaveDrawingAs(&ctx.frame, c->View(), ctx.app.Host()))
            ctx.frame.DocumentSaved(*c);
    });
    for (int i = 0; i < 4; ++i)
        QObject::connect(f.Action(static_cast<C>(static_cast<int>(C::FileMru1) + i)), &QAction::triggered, &f,
                         [&f, i] {
                             // An entry that cannot be opened any more leaves the list.
                             const QStringList recent = f.RecentFiles();
                             if (i < recent.size() && !f.OpenFile(recent.at(i)) && f.m_openDocument)
                                 f.RemoveRecentFile(recent.at(i));
                         });
    QObject::connect(f.Action(C::AppExit), &QAction::triggered, &f, &QWidget::close);
    QObject::connect(f.Action(C::FilePrint), &QAction::triggered, &f, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            ctx.print->Print(*v, &ctx.frame);
        ctx.frame.UpdateCommands();
    });
    QObject::connect(f.Action(C::FilePrintPreview), &QAction::triggered, &f, [&ctx] {
        if (CDaubrixView* v = ctx.Active())
            ctx.print->Preview(*v, &ctx.frame);
        ctx.frame.UpdateCommands();
    });
    QObject::connect(f.Action(C::FilePrintSetup), &QAction::triggered, &f, [&ctx] { ctx.print->PrintSetup(&ctx.frame); });
    for (C id : {C::FileNew, C::FileMru1, C::FileMru2, C::FileMru3, C::FileMru4, C::AppExit, C::FilePrintSetup})
        f.Action(id)->setEnabled(true);
}

void CFileMenu::Update(CMenuContext& ctx)
{
    CMainFrame& f = ctx.frame;
    const bool child = f.ActiveChild() != nullptr;
    f.Action(C::FileClose)->setEnabled(child);
    f.Action(C::FileOpen)->setEnabled(bool(f.m_openDocument));
    f.Action(C::FileSave)->setEnabled(child && f.m_saveDocument);
    f.Action(C::FileSaveAs)->setEnabled(child && f.m_saveDocument);
    f.Action(C::FilePrint)->setEnabled(child);
    f.Action(C::FilePrintPreview)->setEnabled(child);
}
